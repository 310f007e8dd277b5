// Message boxes and the wait cursor of the Qt front end.
#pragma once

#include "platform/MessageBox.h"

class QWidget;

namespace rq::ui {

class QtUserInterface : public platform::UserInterface {
public:
    // Boxes are centred over `parent` when there is one.
    void SetParent(QWidget* parent) { parent_ = parent; }

    platform::MessageAnswer ShowMessage(std::u16string_view text,
                                        platform::MessageIcon icon) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace rq::ui
