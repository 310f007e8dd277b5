#include "ui/dialogs/LanguageDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace rq::ui {

LanguageDialog::LanguageDialog(QWidget* parent) : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Select Language"));
    list_->setObjectName(QStringLiteral("languages"));
    logic_.Open();
    for (const CDlgSelectLanguage::Entry& entry : logic_.Entries()) {
        list_->addItem(ToQString(entry.name));
    }
    if (const auto selected = logic_.Selection()) {
        list_->setCurrentRow(static_cast<int>(*selected));
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        logic_.Select(selected.isEmpty() ? std::nullopt
                                         : std::optional<std::size_t>(static_cast<std::size_t>(
                                               list_->row(selected.first()))));
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LanguageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LanguageDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

void LanguageDialog::accept() {
    // Without a selection the dialog stays open.
    if (logic_.Ok()) QDialog::accept();
}

std::optional<std::uint32_t> LanguageDialogChooser::ChooseLanguage() {
    LanguageDialog dialog(parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenId();
}

}  // namespace rq::ui
