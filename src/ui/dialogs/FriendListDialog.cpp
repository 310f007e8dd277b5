#include "ui/dialogs/FriendListDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QProxyStyle>
#include <QVBoxLayout>

#include "app/Screen.h"
#include "ui/QtText.h"
#include "ui/dialogs/DialogKeys.h"

namespace rq::ui {

namespace {
bool IsActionKey(int key) {
    // Space too: it is how a desktop list flips a check.
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select ||
           key == Qt::Key_Space;
}
// Check boxes of twice the usual size; the item views make their rows and text room
// from these metrics, which a style sheet on the indicator leaves unchanged.
class LargeChecks : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_IndicatorWidth || metric == PM_IndicatorHeight ? 2 * size : size;
    }
};

}  // namespace

FriendListDialog::FriendListDialog(CDlgFriendList& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Friend List"));
    list_->setObjectName(QStringLiteral("friends"));
    list_->installEventFilter(this);
    // A long name ends in an ellipsis within the width, as a report column would show it.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The check boxes are twice as large on VGA screens, as the images of that class are.
    if (logic_.GetMode() == CDlgFriendList::Mode::Choose && ScreenClass() == kScreenClassVga) {
        auto* style = new LargeChecks(QApplication::style()->name());
        style->setParent(list_);
        list_->setStyle(style);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    if (logic_.GetMode() == CDlgFriendList::Mode::Choose) {
        connect(list_, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { Toggle(list_->row(item)); });
        AddDialogKeys(*this, *layout,
                      {{QStringLiteral("OK"), DialogKey::Role::Accept},
                       {QStringLiteral("Cancel"), DialogKey::Role::Reject}});
    } else {
        QMenu* menu = DialogPopup(this, u"friend.list", [this](CommandId c) { RunCommand(c); });
        AddDialogKeys(*this, *layout,
                      {{QStringLiteral("Close"), DialogKey::Role::Reject},
                       {QStringLiteral("Menu"), DialogKey::Role::Menu}},
                      menu);
    }
    ShowItems(logic_.InitialSelection());
}

void FriendListDialog::ShowItems(int current) {
    const bool choose = logic_.GetMode() == CDlgFriendList::Mode::Choose;
    list_->clear();
    for (const CDlgFriendList::Item& entry : logic_.Items()) {
        auto* item = new QListWidgetItem(ToQString(entry.text), list_);
        // The check shows the mark; only the logic flips it, so the box is not the user's.
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (choose) item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    }
    if (current >= list_->count()) current = list_->count() - 1;
    list_->setCurrentRow(current);
    list_->setFocus();
}

void FriendListDialog::Toggle(int row) {
    if (row < 0) return;
    logic_.Toggle(static_cast<std::size_t>(row));
    if (row < static_cast<int>(logic_.Items().size()) && list_->item(row) != nullptr)
        list_->item(row)->setCheckState(
            logic_.Items()[static_cast<std::size_t>(row)].checked ? Qt::Checked : Qt::Unchecked);
}

void FriendListDialog::accept() {
    if (logic_.Confirm()) QDialog::accept();
}

void FriendListDialog::RunCommand(CommandId command) {
    const int row = list_->currentRow();
    switch (command) {
        case CommandId::AddFriend:
            logic_.Add();
            ShowItems(static_cast<int>(logic_.Items().size()) - 1);
            break;
        case CommandId::EditFriend:
            if (row < 0) return;
            logic_.Edit(static_cast<std::size_t>(row));
            ShowItems(row);
            break;
        case CommandId::DeleteFriend:
            if (row < 0) return;
            logic_.DeleteFriend(static_cast<std::size_t>(row));
            ShowItems(row);
            break;
        default:
            break;
    }
}

bool FriendListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        IsActionKey(static_cast<QKeyEvent*>(event)->key())) {
        if (logic_.GetMode() == CDlgFriendList::Mode::Choose) Toggle(list_->currentRow());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace rq::ui
