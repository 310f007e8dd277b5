// The languages the user can choose and the resource module that carries each.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rq {

struct LanguageEntry {
    std::uint32_t id;
    const char16_t* name;
    // Empty for the program's own texts.
    const char* moduleFile;
};

// "Language Id" 0: no language was ever chosen.
inline constexpr std::uint32_t kLanguageNotChosen = 0;
inline constexpr std::uint32_t kLanguageBuiltIn = 1;
inline constexpr std::uint32_t kLanguageTableEnd = 4;

// In table order, ended by the row with id kLanguageTableEnd.
inline constexpr LanguageEntry kLanguageTable[] = {
    {1, u"English", ""},
    {2, u"Simplified Chinese", "LanChsPpc.dll"},
    {3, u"Traditional Chinese", "LanChtPpc.dll"},
    {kLanguageTableEnd, u"", ""},
};

// The module file of the first row with `id` (empty for the built-in language), or
// none for an id that is not in the table.
std::optional<std::string> FindLanguageModule(std::uint32_t id);

}  // namespace rq
