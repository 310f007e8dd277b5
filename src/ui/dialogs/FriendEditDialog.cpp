#include "ui/dialogs/FriendEditDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/Wdp.h"
#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

FriendEditDialog::FriendEditDialog(CDlgFriendEdit& logic, QWidget* parent)
    : QDialog(parent),
      logic_(logic),
      name_(new QLineEdit(ToQString(logic.name), this)),
      number_(new QLineEdit(ToQString(logic.number), this)) {
    setWindowTitle(QStringLiteral("Edit Friend"));
    // A longer number would not fit the datagram's address field, so it is never typed.
    number_->setMaxLength(static_cast<int>(platform::kWapAddressUnits - 1));
    number_->setInputMethodHints(Qt::ImhDialableCharactersOnly);
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Mobile Number"), number_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    AddSoftKeys(*this, *layout);
    // The action key in either field is OK, as on the device.
    connect(name_, &QLineEdit::returnPressed, this, &FriendEditDialog::accept);
    connect(number_, &QLineEdit::returnPressed, this, &FriendEditDialog::accept);
    name_->setFocus();
}

void FriendEditDialog::accept() {
    logic_.name = FromQString(name_->text());
    logic_.number = FromQString(number_->text());
    QDialog::accept();
}

}  // namespace rq::ui
