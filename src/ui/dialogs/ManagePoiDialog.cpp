#include "ui/dialogs/ManagePoiDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace rq::ui {

namespace {

QToolButton* Key(QWidget* parent, const QString& text) {
    auto* key = new QToolButton(parent);
    key->setText(text);
    key->setObjectName(text);
    key->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    key->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return key;
}

std::optional<std::size_t> Row(int row) {
    return row < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(row));
}

int Row(std::optional<std::size_t> index) {
    return index ? static_cast<int>(*index) : -1;
}

}  // namespace

ManagePoiDialog::ManagePoiDialog(CDlgManagePoi& logic, QWidget* parent)
    : QDialog(parent),
      logic_(logic),
      categories_(new QComboBox(this)),
      pois_(new QListWidget(this)),
      menu_(new QMenu(this)) {
    setWindowTitle(ToQString(logic_.Caption()));
    categories_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    categories_->setMinimumContentsLength(8);
    connect(categories_, &QComboBox::currentIndexChanged, this, [this](int index) {
        logic_.SelectCategory(Row(index));
        ShowPois();
    });
    // A long name ends in an ellipsis within the width, as a report column would show it.
    pois_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(pois_, &QListWidget::currentRowChanged, this,
            [this](int row) { logic_.SelectPoi(Row(row)); });

    menu_->addAction(QStringLiteral("Add Category"), this,
                     [this] { Changing(&CDlgManagePoi::AddCategory, true); });
    menu_->addAction(QStringLiteral("Edit Category"), this,
                     [this] { Changing(&CDlgManagePoi::EditCategory, true); });
    menu_->addAction(QStringLiteral("Delete Category"), this,
                     [this] { Changing(&CDlgManagePoi::DeleteCategory, true); });
    menu_->addAction(QStringLiteral("Select Category"), this, [this] { categories_->setFocus(); });
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Edit Poi"), this,
                     [this] { Changing(&CDlgManagePoi::EditPoi, false); });
    menu_->addAction(QStringLiteral("Delete Poi"), this,
                     [this] { Changing(&CDlgManagePoi::DeletePoi, false); });
    menu_->addAction(QStringLiteral("Go to Poi"), this,
                     [this] { Closing(&CDlgManagePoi::GoToPoi); });
    menu_->addAction(QStringLiteral("Navigate"), this,
                     [this] { Closing(&CDlgManagePoi::Navigate); });
    menu_->addAction(QStringLiteral("Send To Friend"), this, [this] { logic_.SendToFriend(); });
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Close"), this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(categories_);
    layout->addWidget(pois_, 1);
    auto* keys = new QHBoxLayout;
    QToolButton* go = Key(this, QStringLiteral("Goto"));
    connect(go, &QToolButton::clicked, this, [this] { Closing(&CDlgManagePoi::GoToPoi); });
    QToolButton* menuKey = Key(this, QStringLiteral("Menu"));
    menuKey->setMenu(menu_);
    menuKey->setPopupMode(QToolButton::InstantPopup);
    QToolButton* cancel = Key(this, QStringLiteral("Cancel"));
    connect(cancel, &QToolButton::clicked, this, &QDialog::reject);
    keys->addWidget(go);
    keys->addWidget(menuKey);
    keys->addWidget(cancel);
    layout->addLayout(keys);

    ShowCategories();
}

void ManagePoiDialog::ShowCategories() {
    {
        QSignalBlocker quiet(categories_);
        categories_->clear();
        for (const CDlgManagePoi::CategoryItem& item : logic_.Categories())
            categories_->addItem(ToQString(item.text));
        categories_->setCurrentIndex(Row(logic_.CategorySelection()));
    }
    ShowPois();
}

void ManagePoiDialog::ShowPois() {
    QSignalBlocker quiet(pois_);
    pois_->clear();
    for (const CDlgManagePoi::PoiItem& item : logic_.Pois()) pois_->addItem(ToQString(item.text));
    const int row = Row(logic_.PoiSelection());
    pois_->setCurrentRow(row);
    if (row >= 0) pois_->scrollToItem(pois_->item(row));
}

void ManagePoiDialog::Closing(bool (CDlgManagePoi::*command)()) {
    if ((logic_.*command)()) QDialog::accept();
}

void ManagePoiDialog::Changing(void (CDlgManagePoi::*command)(), bool categories) {
    (logic_.*command)();
    if (categories) {
        ShowCategories();
    } else {
        ShowPois();
        pois_->setFocus();
    }
}

void ManagePoiDialog::accept() {
    if (logic_.Ok()) QDialog::accept();
}

void ManagePoiDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace rq::ui
