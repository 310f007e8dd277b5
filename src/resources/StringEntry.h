// One row of a string table, and the lookup shared by the built-in English table and the
// language modules (which link nothing of the core, so this stays header-only).
#pragma once

#include <cstddef>
#include <cstdint>

#include "resources/StringIds.h"

namespace rq::resources {

struct StringEntry {
    StringId id;
    const char16_t* text;
};

// Binary search of a table sorted ascending by id; null when the id is missing.
inline const char16_t* FindStringEntry(const StringEntry* table, std::size_t count,
                                       std::uint32_t id) {
    std::size_t low = 0;
    std::size_t high = count;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        const auto at = static_cast<std::uint32_t>(table[mid].id);
        if (at == id) return table[mid].text;
        if (at < id) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return nullptr;
}

// The entry point a language module exports: its text for `id`, or null so that the
// built-in English text is used.
using ModuleStringLookup = const char16_t* (*)(std::uint32_t id);
inline constexpr const char* kModuleStringSymbol = "RoamquillModuleString";

}  // namespace rq::resources
