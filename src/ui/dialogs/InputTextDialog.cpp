#include "ui/dialogs/InputTextDialog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

InputTextDialog::InputTextDialog(CDlgInputText& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), edit_(new QPlainTextEdit(ToQString(logic.text), this)) {
    setWindowTitle(QStringLiteral("Input Text"));
    edit_->setObjectName(QStringLiteral("text"));
    edit_->setTabChangesFocus(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edit_);
    AddSoftKeys(*this, *layout);
    edit_->setFocus();
}

void InputTextDialog::accept() {
    logic_.text = FromQString(edit_->toPlainText());
    QDialog::accept();
}

}  // namespace rq::ui
