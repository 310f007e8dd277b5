// The "Select Language" dialog: a list filling the dialog, OK and Cancel. Its rules are
// CDlgSelectLanguage's; this only shows them.
#pragma once

#include <QDialog>

#include "app/DlgSelectLanguage.h"

class QListWidget;

namespace rq::ui {

class LanguageDialog : public QDialog {
    Q_OBJECT

public:
    explicit LanguageDialog(QWidget* parent = nullptr);
    std::uint32_t ChosenId() const { return logic_.Result(); }
    QListWidget* List() const { return list_; }

    void accept() override;

private:
    CDlgSelectLanguage logic_;
    QListWidget* list_;
};

// Asks with the dialog, modally.
class LanguageDialogChooser : public LanguageChooser {
public:
    explicit LanguageDialogChooser(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::uint32_t> ChooseLanguage() override;

private:
    QWidget* parent_;
};

}  // namespace rq::ui
