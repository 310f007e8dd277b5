#include "ui/dialogs/PositionMessagesDialog.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/DialogKeys.h"

namespace rq::ui {

PositionMessagesDialog::PositionMessagesDialog(CDlgPositionMessages& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Position Messages"));
    list_->setObjectName(QStringLiteral("messages"));
    // A message may be long or hold line breaks: it wraps rather than hiding behind a
    // sideways scroll bar on a small screen.
    list_->setWordWrap(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Shaded rows tell where a wrapped message ends.
    list_->setAlternatingRowColors(true);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        logic_.Select(row < 0 ? std::nullopt
                              : std::optional<std::size_t>(static_cast<std::size_t>(row)));
    });
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    QMenu* menu = DialogPopup(this, u"position.message", [this](CommandId c) { RunCommand(c); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    AddDialogKeys(*this, *layout,
                  {{QStringLiteral("Go to"), DialogKey::Role::Accept},
                   {QStringLiteral("Menu"), DialogKey::Role::Menu},
                   {QStringLiteral("Cancel"), DialogKey::Role::Reject}},
                  menu);
    ShowItems();
}

void PositionMessagesDialog::ShowItems() {
    QSignalBlocker quiet(list_);
    list_->clear();
    for (const CDlgPositionMessages::Item& item : logic_.Items())
        list_->addItem(ToQString(item.text));
    list_->setCurrentRow(logic_.Selection() ? static_cast<int>(*logic_.Selection()) : -1);
    list_->setFocus();
}

void PositionMessagesDialog::accept() {
    logic_.GoTo();
    QDialog::accept();
}

void PositionMessagesDialog::RunCommand(CommandId command) {
    if (command == CommandId::PositionMessageNavigate) {
        if (logic_.Navigate()) done(CDlgPositionMessages::kResultNavigate);
    } else if (command == CommandId::PositionMessageDelete) {
        if (logic_.Delete()) ShowItems();
    }
}

}  // namespace rq::ui
