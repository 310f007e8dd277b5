#include "ui/dialogs/DialogKeys.h"

#include <QBoxLayout>
#include <QDialog>
#include <QMenu>
#include <QToolButton>

#include "resources/Menus.h"
#include "ui/QtText.h"

namespace rq::ui {

void AddDialogKeys(QDialog& dialog, QBoxLayout& layout, std::initializer_list<DialogKey> keys,
                   QMenu* menu) {
    auto* row = new QHBoxLayout;
    for (const DialogKey& key : keys) {
        auto* button = new QToolButton(&dialog);
        button->setText(key.caption);
        button->setObjectName(key.caption);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        switch (key.role) {
            case DialogKey::Role::Accept:
                QObject::connect(button, &QToolButton::clicked, &dialog, &QDialog::accept);
                break;
            case DialogKey::Role::Reject:
                QObject::connect(button, &QToolButton::clicked, &dialog, &QDialog::reject);
                break;
            case DialogKey::Role::Menu:
                button->setMenu(menu);
                button->setPopupMode(QToolButton::InstantPopup);
                break;
        }
        row->addWidget(button);
    }
    layout.addLayout(row);
}

QMenu* DialogPopup(QWidget* parent, std::u16string_view name, std::function<void(CommandId)> run) {
    auto* menu = new QMenu(parent);
    for (const resources::MenuItem& popup : resources::MainMenuPopups()) {
        if (popup.kind != resources::MenuItem::Kind::Popup || name != popup.text) continue;
        for (const resources::MenuItem& item : popup.items) {
            if (item.kind != resources::MenuItem::Kind::Command) continue;
            const CommandId command = item.command;
            QAction* action = menu->addAction(ToQString(item.text));
            action->setData(static_cast<int>(command));
            QObject::connect(action, &QAction::triggered, menu, [run, command] { run(command); });
        }
    }
    return menu;
}

}  // namespace rq::ui
