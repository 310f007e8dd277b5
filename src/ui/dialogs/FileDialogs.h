// The "Select file" and "File Name" dialogs. Their rules are CDlgOpenFile's and
// CDlgFilename's; these only show them and forward the user's acts.
#pragma once

#include <QDialog>

#include "track/DlgOpenFile.h"

class QLineEdit;
class QListWidget;

namespace rq::ui {

class FilenameDialog : public QDialog {
    Q_OBJECT

public:
    FilenameDialog(std::u16string_view prompt, std::u16string_view proposed,
                   QWidget* parent = nullptr);
    const std::u16string& Result() const { return logic_.Result(); }
    QLineEdit* Edit() const { return edit_; }
    void accept() override;

private:
    CDlgFilename logic_;
    QLineEdit* edit_;
};

// Asks with FilenameDialog, modally.
class FilenameDialogAsker : public FilenameAsker {
public:
    explicit FilenameDialogAsker(QWidget* parent) : parent_(parent) {}
    std::optional<std::u16string> AskFilename(std::u16string_view prompt,
                                              std::u16string_view proposed) override;

private:
    QWidget* parent_;
};

class OpenFileDialog : public QDialog {
    Q_OBJECT

public:
    OpenFileDialog(std::string folder, std::string filter, std::string extension,
                   CDlgOpenFile::Bar bar, QWidget* parent = nullptr);
    const std::string& Result() const { return logic_.Result(); }
    QListWidget* List() const { return list_; }
    void accept() override;

    // The "Menu" soft key's commands.
    void Delete();
    void Rename();

private:
    void ShowEntries();

    FilenameDialogAsker asker_;
    CDlgOpenFile logic_;
    QListWidget* list_;
};

// The chosen file's name, or none when the dialog was cancelled.
std::optional<std::string> ChooseFile(QWidget* parent, std::string folder, std::string filter,
                                      std::string extension, CDlgOpenFile::Bar bar);

}  // namespace rq::ui
