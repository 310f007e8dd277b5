// The main view's command table: each command identifier of the menus and button strips,
// tied to the handler that carries it out and to the rule that sets its menu item before
// a menu opens. The menus, the bars, the dispatch and the menu states all go through it.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "resources/CommandIds.h"

namespace rq {

class CRoamquillPPCView;

// A menu item's state: enabled or greyed, a check mark when the item has one, and
// another text when the item changes its text.
struct CommandState {
    bool enabled = true;
    std::optional<bool> checked;
    std::optional<std::u16string> text;
};

struct CommandEntry {
    CommandId id;
    // Carries the command out; the id tells rows that share a handler apart.
    void (*handle)(CRoamquillPPCView& view, CommandId id);
    // Sets the item's state; none: the item is simply enabled.
    void (*state)(CRoamquillPPCView& view, CommandId id, CommandState& state);
};

// The row of a command, or none when the view has no handler for it (its item is
// then greyed).
const CommandEntry* FindCommand(CommandId id);
std::span<const CommandEntry> CommandTable();

}  // namespace rq
