#include "app/StringTable.h"

#include "app/ResourceModule.h"
#include "resources/EnglishStrings.h"

namespace rq {

namespace {

// Written at start-up and at exit on the user-interface thread only.
platform::LibraryHandle g_module = nullptr;
resources::ModuleStringLookup g_lookup = nullptr;

}  // namespace

void SetResourceModule(platform::LibraryHandle module, resources::ModuleStringLookup lookup) {
    g_module = module;
    g_lookup = module != nullptr ? lookup : nullptr;
}

platform::LibraryHandle CurrentResourceModule() {
    return g_module;
}

std::u16string BuiltInString(StringId id) {
    const char16_t* text =
        resources::FindStringEntry(resources::EnglishStrings(), resources::EnglishStringCount(),
                                   static_cast<std::uint32_t>(id));
    return text != nullptr ? std::u16string(text) : std::u16string();
}

std::u16string LoadResourceString(StringId id) {
    if (g_lookup != nullptr) {
        if (const char16_t* text = g_lookup(static_cast<std::uint32_t>(id)))
            return std::u16string(text);
    }
    return BuiltInString(id);
}

}  // namespace rq
