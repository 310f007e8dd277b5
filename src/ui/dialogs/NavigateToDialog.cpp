#include "ui/dialogs/NavigateToDialog.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

NavigateToDialog::NavigateToDialog(CDlgNavigateTo& logic, QWidget* parent)
    : QDialog(parent), logic_(logic), sources_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Navigate By"));
    for (const CDlgNavigateTo::Entry& entry : logic_.Entries())
        sources_->addItem(ToQString(entry.text));
    sources_->setCurrentIndex(logic_.Selection() ? static_cast<int>(*logic_.Selection()) : -1);
    connect(sources_, &QComboBox::currentIndexChanged, this, [this](int index) {
        logic_.Select(index < 0 ? std::nullopt
                                : std::optional<std::size_t>(static_cast<std::size_t>(index)));
    });
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Navigate By:"), this);
    label->setBuddy(sources_);
    layout->addWidget(label);
    layout->addWidget(sources_);
    layout->addStretch();
    AddSoftKeys(*this, *layout);
    sources_->setFocus();
}

void NavigateToDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void NavigateToDialog::accept() {
    if (logic_.Ok()) QDialog::accept();
}

}  // namespace rq::ui
