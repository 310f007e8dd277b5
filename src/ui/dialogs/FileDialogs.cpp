#include "ui/dialogs/FileDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

#include "ui/QtText.h"
#include "ui/dialogs/SoftKeys.h"

namespace rq::ui {

FilenameDialog::FilenameDialog(std::u16string_view prompt, std::u16string_view proposed,
                               QWidget* parent)
    : QDialog(parent),
      logic_(std::u16string(prompt), std::u16string(proposed)),
      edit_(new QLineEdit(ToQString(proposed), this)) {
    setWindowTitle(QStringLiteral("File Name"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString(logic_.Prompt()), this));
    layout->addWidget(edit_);
    layout->addStretch();
    AddSoftKeys(*this, *layout);
    edit_->selectAll();
    edit_->setFocus();
}

void FilenameDialog::accept() {
    logic_.fileName = FromQString(edit_->text());
    if (logic_.Ok()) QDialog::accept();
}

std::optional<std::u16string> FilenameDialogAsker::AskFilename(std::u16string_view prompt,
                                                               std::u16string_view proposed) {
    FilenameDialog dialog(prompt, proposed, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

OpenFileDialog::OpenFileDialog(std::string folder, std::string filter, std::string extension,
                               CDlgOpenFile::Bar bar, QWidget* parent)
    : QDialog(parent),
      asker_(this),
      logic_(std::move(folder), std::move(filter), std::move(extension), bar, &asker_),
      list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Select file"));
    list_->setObjectName(QStringLiteral("files"));
    // A long name ends in an ellipsis within the width, as a report column would show it.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        logic_.Select(row < 0 ? std::nullopt
                              : std::optional<std::size_t>(static_cast<std::size_t>(row)));
    });
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    QMenu* menu = nullptr;
    if (bar == CDlgOpenFile::Bar::DeleteRename) {
        menu = new QMenu(this);
        menu->addAction(QStringLiteral("Delete"), this, &OpenFileDialog::Delete);
        menu->addAction(QStringLiteral("Rename"), this, &OpenFileDialog::Rename);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    AddSoftKeys(*this, *layout, menu);
    logic_.Open();
    ShowEntries();
}

void OpenFileDialog::ShowEntries() {
    QSignalBlocker quiet(list_);
    list_->clear();
    for (const CDlgOpenFile::Entry& entry : logic_.Entries())
        list_->addItem(ToQString(entry.shown));
    const int row = logic_.Selection() ? static_cast<int>(*logic_.Selection()) : -1;
    list_->setCurrentRow(row);
    if (row >= 0) list_->scrollToItem(list_->item(row));
    list_->setFocus();
}

void OpenFileDialog::accept() {
    if (logic_.Ok()) QDialog::accept();
}

void OpenFileDialog::Delete() {
    logic_.Delete();
    ShowEntries();
}

void OpenFileDialog::Rename() {
    logic_.Rename();
    ShowEntries();
}

std::optional<std::string> ChooseFile(QWidget* parent, std::string folder, std::string filter,
                                      std::string extension, CDlgOpenFile::Bar bar) {
    OpenFileDialog dialog(std::move(folder), std::move(filter), std::move(extension), bar, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

}  // namespace rq::ui
