// One row of a string table, and the lookup shared by the built-in English table and the
// language modules (which link nothing of the core, so this stays header-only).
#pragma once

#include <cstddef>
#include <cstdint>

namespace rq::resources {

struct StringEntry {
    std::uint32_t id;
    const char16_t* text;
};

// Binary search of a table sorted ascending by id; null when the id is missing.
inline const char16_t* FindStringEntry(const StringEntry* table, std::size_t count,
                                       std::uint32_t id) {
    std::size_t low = 0;
    std::size_t high = count;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (table[mid].id == id) return table[mid].text;
        if (table[mid].id < id) {
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
