#include "app/LanguageModule.h"

#include "app/LanguageTable.h"
#include "app/ResourceModule.h"

namespace rq {

platform::LibraryHandle LoadLanguageModule(std::uint32_t id) {
    const std::optional<std::string> file = FindLanguageModule(id);
    if (!file || file->empty()) return nullptr;
    platform::LibraryHandle module = platform::LoadLibrary(*file);
    if (module == nullptr) return nullptr;
    // A module without the lookup entry still counts as loaded; its texts are then
    // simply the built-in ones.
    const auto lookup = reinterpret_cast<resources::ModuleStringLookup>(
        platform::GetProcAddress(module, resources::kModuleStringSymbol));
    SetResourceModule(module, lookup);
    return module;
}

void FreeLanguageModule(platform::LibraryHandle module) {
    if (module == nullptr) return;
    if (CurrentResourceModule() == module) SetResourceModule(nullptr, nullptr);
    platform::FreeLibrary(module);
}

}  // namespace rq
