// The string table: every user-visible text by its numeric id. Lookups go through the
// current resource module: a loaded language module first, the built-in English table
// otherwise (and for ids the module lacks).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/MessageBox.h"
#include "resources/StringIds.h"

namespace rq {

// Empty text for an id that no table has.
std::u16string LoadResourceString(StringId id);
// The built-in English text only.
std::u16string BuiltInString(StringId id);

// Shows the string `id` (its "%s" filled from `args`) with the icon.
platform::MessageAnswer ShowStringMessage(StringId id, platform::MessageIcon icon,
                                          std::initializer_list<std::u16string_view> args = {});

}  // namespace rq
