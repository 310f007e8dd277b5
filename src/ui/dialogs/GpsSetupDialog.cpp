#include "ui/dialogs/GpsSetupDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

namespace {
std::optional<std::size_t> Row(int index) {
    return index < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(index));
}
}  // namespace

GpsSetupDialog::GpsSetupDialog(QWidget* parent)
    : QDialog(parent), ports_(new QComboBox(this)), bauds_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("GPS Setup"));
    logic_.Open();
    for (const CDlgGpsSetup::PortEntry& port : logic_.Ports()) {
        ports_->addItem(ToQString(port.name) + QStringLiteral("   ") + ToQString(port.device));
    }
    for (std::uint32_t baud : logic_.BaudRates()) bauds_->addItem(QString::number(baud));
    ports_->setCurrentIndex(logic_.PortSelection() ? static_cast<int>(*logic_.PortSelection())
                                                   : -1);
    bauds_->setCurrentIndex(logic_.BaudSelection() ? static_cast<int>(*logic_.BaudSelection())
                                                   : -1);
    // Long device names must not widen the dialog past a small screen.
    ports_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ports_->setMinimumContentsLength(12);
    connect(ports_, &QComboBox::currentIndexChanged, this,
            [this](int index) { logic_.SelectPort(Row(index)); });
    connect(bauds_, &QComboBox::currentIndexChanged, this,
            [this](int index) { logic_.SelectBaud(Row(index)); });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Port"), ports_);
    form->addRow(QStringLiteral("Baud rate"), bauds_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    AddSoftKeys(*this, *layout);
}

void GpsSetupDialog::accept() {
    if (logic_.Ok()) QDialog::accept();
}

}  // namespace rq::ui
