#include "ui/dialogs/LanguageDialog.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

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
    }
    // The list makes its first row current when it takes the focus, and draws the current
    // row highlighted: only a selected row may be current, or "English" would look chosen
    // while OK does nothing.
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && !list_->selectionModel()->isSelected(current)) {
                    list_->selectionModel()->clearCurrentIndex();
                }
            });
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        logic_.Select(selected.isEmpty() ? std::nullopt
                                         : std::optional<std::size_t>(static_cast<std::size_t>(
                                               list_->row(selected.first()))));
    });
    // The action key on a row is OK, as on the device.
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    AddSoftKeys(*this, *layout);
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
