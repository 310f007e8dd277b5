// Soft-key rows whose captions differ from OK and Cancel ("Close", "Go to"), and a
// dialog's "Menu" popup built from the main menu resource by the popup's name.
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "resources/CommandIds.h"

class QBoxLayout;
class QDialog;
class QMenu;
class QWidget;

namespace rq::ui {

struct DialogKey {
    enum class Role { Accept, Reject, Menu };
    QString caption;
    Role role;
};

// Adds the keys left to right; Accept calls accept(), Reject reject(), Menu opens `menu`.
void AddDialogKeys(QDialog& dialog, QBoxLayout& layout, std::initializer_list<DialogKey> keys,
                   QMenu* menu = nullptr);

// The items of the main menu's popup `name` ("friend.list", "position.message"), each
// calling `run` with its command.
QMenu* DialogPopup(QWidget* parent, std::u16string_view name, std::function<void(CommandId)> run);

}  // namespace rq::ui
