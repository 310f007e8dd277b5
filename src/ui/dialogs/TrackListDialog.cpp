#include "ui/dialogs/TrackListDialog.h"

#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

TrackListDialog::TrackListDialog(CDlgTrackList& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Track List"));
    list_->setObjectName(QStringLiteral("track"));
    // A long name ends in an ellipsis within the width, as a report column would show it.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        logic_.Select(row < 0 ? std::nullopt
                              : std::optional<std::size_t>(static_cast<std::size_t>(row)));
    });
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    const bool navigateBar = logic_.CommandBar() == CDlgTrackList::Bar::Navigate;
    QMenu* menu = nullptr;
    if (!navigateBar) {
        menu = new QMenu(this);
        menu->addAction(QStringLiteral("Navigate"), this, &TrackListDialog::Navigate);
        menu->addAction(QStringLiteral("Delete"), this, &TrackListDialog::Delete);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    AddSoftKeys(*this, *layout, menu);
    // The left key is this dialog's own command rather than a plain OK.
    if (auto* left = findChild<QToolButton*>(QStringLiteral("OK")))
        left->setText(navigateBar ? QStringLiteral("Navigate") : QStringLiteral("Go to"));
    logic_.Open();
    ShowItems();
}

void TrackListDialog::ShowItems() {
    QSignalBlocker quiet(list_);
    list_->clear();
    for (const CDlgTrackList::Item& item : logic_.Items()) list_->addItem(ToQString(item.text));
    const int row = logic_.Selection() ? static_cast<int>(*logic_.Selection()) : -1;
    list_->setCurrentRow(row);
    if (row >= 0) list_->scrollToItem(list_->item(row));
    list_->setFocus();
}

void TrackListDialog::accept() {
    if (logic_.Ok()) QDialog::accept();
}

void TrackListDialog::Navigate() {
    if (logic_.Navigate()) QDialog::accept();
}

void TrackListDialog::Delete() {
    logic_.Delete();
    ShowItems();
}

}  // namespace rq::ui
