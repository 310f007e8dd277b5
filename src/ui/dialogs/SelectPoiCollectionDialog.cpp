#include "ui/dialogs/SelectPoiCollectionDialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

SelectPoiCollectionDialog::SelectPoiCollectionDialog(CDlgSelectPoiCollection& logic,
                                                     QWidget* parent)
    : QDialog(parent), logic_(logic), list_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Select POI Collection"));
    for (const CDlgSelectPoiCollection::Entry& entry : logic_.Entries())
        list_->addItem(ToQString(entry.label), static_cast<unsigned>(entry.kind));
    list_->setCurrentIndex(logic_.selection);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select POI Collection"), this));
    layout->addWidget(list_);
    layout->addStretch();
    AddSoftKeys(*this, *layout);
    list_->setFocus();
}

void SelectPoiCollectionDialog::accept() {
    logic_.selection = list_->currentIndex();
    if (logic_.Ok()) QDialog::accept();
}

void SelectPoiCollectionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace rq::ui
