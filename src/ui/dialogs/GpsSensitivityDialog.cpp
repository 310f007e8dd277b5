#include "ui/dialogs/GpsSensitivityDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

GpsSensitivityDialog::GpsSensitivityDialog(CDlgGpsSensitivity& logic, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setWindowTitle(QStringLiteral("GPS Sensitivity"));
    auto* form = new QFormLayout;
    // Labels above their fields: side by side they would not fit 240 pixels.
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QLineEdit* field = new QLineEdit(ToQString(logic_.text[i]), this);
        field->setInputMethodHints(Qt::ImhDigitsOnly);
        form->addRow(ToQString(CDlgGpsSensitivity::Labels()[i]), field);
        // The action key is OK, as on the device.
        connect(field, &QLineEdit::returnPressed, this, &GpsSensitivityDialog::accept);
        fields_[i] = field;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    AddSoftKeys(*this, *layout);
    fields_[0]->selectAll();
    fields_[0]->setFocus();
}

void GpsSensitivityDialog::accept() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        logic_.text[i] = FromQString(fields_[i]->text());
    if (logic_.Ok()) {
        QDialog::accept();
        return;
    }
    if (const auto failed = logic_.FailedField()) {
        fields_[*failed]->selectAll();
        fields_[*failed]->setFocus();
    }
}

}  // namespace rq::ui
