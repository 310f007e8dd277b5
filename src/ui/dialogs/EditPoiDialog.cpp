#include "ui/dialogs/EditPoiDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "resources/IconIds.h"
#include "ui/IconStore.h"
#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

namespace {

QComboBox* HemisphereList(const std::array<std::u16string_view, 2>& labels, int index,
                          QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (std::u16string_view label : labels) list->addItem(ToQString(label));
    list->setCurrentIndex(index);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

// A magnitude edit beside its hemisphere list, on one row.
QHBoxLayout* Pair(QLineEdit* edit, QComboBox* list) {
    auto* row = new QHBoxLayout;
    edit->setMinimumWidth(60);
    row->addWidget(edit, 1);
    row->addWidget(list);
    return row;
}

}  // namespace

EditPoiDialog::EditPoiDialog(CDlgEditPoi& logic, QWidget* parent)
    : QDialog(parent),
      logic_(logic),
      name_(new QLineEdit(ToQString(logic.nameText), this)),
      types_(new QComboBox(this)),
      categories_(new QComboBox(this)),
      latitude_(new QLineEdit(ToQString(logic.latitudeText), this)),
      latitudeHemisphere_(
          HemisphereList(CDlgEditPoi::kLatitudeHemispheres, logic.latitudeHemisphere, this)),
      longitude_(new QLineEdit(ToQString(logic.longitudeText), this)),
      longitudeHemisphere_(
          HemisphereList(CDlgEditPoi::kLongitudeHemispheres, logic.longitudeHemisphere, this)) {
    setWindowTitle(ToQString(logic_.Caption()));
    for (const CDlgEditPoi::TypeEntry& entry : logic_.Types()) {
        const QPixmap& icon = IconStore::Icon(PoiTypeIcon(static_cast<int>(entry.type)));
        types_->addItem(QIcon(icon), ToQString(entry.label), entry.type);
    }
    types_->setCurrentIndex(logic_.typeIndex);
    for (const std::u16string& name : logic_.CategoryNames()) categories_->addItem(ToQString(name));
    categories_->setCurrentIndex(logic_.categoryIndex);
    for (QComboBox* list : {types_, categories_}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(8);
    }

    // Both hemisphere lists as wide as the wider one, so the two edits line up.
    const int hemisphereWidth =
        std::max(latitudeHemisphere_->sizeHint().width(), longitudeHemisphere_->sizeHint().width());
    latitudeHemisphere_->setFixedWidth(hemisphereWidth);
    longitudeHemisphere_->setFixedWidth(hemisphereWidth);

    auto* form = new QFormLayout;
    // Labels above their fields, so the rows fit a 240-pixel-wide screen.
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->addRow(QStringLiteral("Name"), name_);
    form->addRow(QStringLiteral("Type"), types_);
    form->addRow(QStringLiteral("Category"), categories_);
    form->addRow(QStringLiteral("Latitude"), Pair(latitude_, latitudeHemisphere_));
    form->addRow(QStringLiteral("Longitude"), Pair(longitude_, longitudeHemisphere_));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    AddSoftKeys(*this, *layout);
    name_->selectAll();
    name_->setFocus();
}

void EditPoiDialog::accept() {
    logic_.nameText = FromQString(name_->text());
    logic_.latitudeText = FromQString(latitude_->text());
    logic_.longitudeText = FromQString(longitude_->text());
    logic_.latitudeHemisphere = latitudeHemisphere_->currentIndex();
    logic_.longitudeHemisphere = longitudeHemisphere_->currentIndex();
    logic_.categoryIndex = categories_->currentIndex();
    logic_.typeIndex = types_->currentIndex();
    if (logic_.Ok()) QDialog::accept();
}

void EditPoiDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace rq::ui
