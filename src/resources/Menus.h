// The main menu's popups, the menu bars of the four views and their button strips.
#pragma once

#include <cstdint>
#include <vector>

#include "resources/CommandIds.h"
#include "resources/StringIds.h"

namespace rq::resources {

struct MenuItem {
    enum class Kind { Command, Popup, Separator };
    Kind kind = Kind::Command;
    // The caption as the menu shows it ("&&" shows one ampersand).
    const char16_t* text = u"";
    CommandId command{};
    std::vector<MenuItem> items;  // of a popup
};

// The top-level popups of the main menu, by position.
const std::vector<MenuItem>& MainMenuPopups();

struct MenuBarButton {
    StringId caption;
    int popup;  // position in MainMenuPopups()
};

// Menu-bar buttons of view 0 to 3.
const std::vector<MenuBarButton>& MenuBarButtons(int view);
// Button-strip commands of view 0 to 3, left to right, for the 16- or 31-pixel set.
const std::vector<CommandId>& ButtonStrip(int view, bool largeButtons);
// The caption of a command (the text of its first menu item), empty when none has it.
const char16_t* CommandCaption(CommandId command);

}  // namespace rq::resources
