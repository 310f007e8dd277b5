// The "Input Text" dialog: one multi-line text, written into CDlgInputText on OK.
#pragma once

#include <QDialog>

#include "friends/DlgInputText.h"

class QPlainTextEdit;

namespace rq::ui {

class InputTextDialog : public QDialog {
    Q_OBJECT

public:
    InputTextDialog(CDlgInputText& logic, QWidget* parent = nullptr);
    QPlainTextEdit* Edit() const { return edit_; }
    void accept() override;

private:
    CDlgInputText& logic_;
    QPlainTextEdit* edit_;
};

}  // namespace rq::ui
