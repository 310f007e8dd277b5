// The "Position Messages" dialog: the received texts, newest first, with "Go to",
// "Cancel" and "Menu" (Navigate, Delete). Its rules are CDlgPositionMessages's.
#pragma once

#include <QDialog>

#include "resources/CommandIds.h"
#include "view/DlgPositionMessages.h"

class QListWidget;

namespace rq::ui {

class PositionMessagesDialog : public QDialog {
    Q_OBJECT

public:
    PositionMessagesDialog(CDlgPositionMessages& logic, QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    // "Go to".
    void accept() override;
    void RunCommand(CommandId command);

private:
    void ShowItems();

    CDlgPositionMessages& logic_;
    QListWidget* list_;
};

}  // namespace rq::ui
