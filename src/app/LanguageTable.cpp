#include "app/LanguageTable.h"

namespace rq {

std::optional<std::string> FindLanguageModule(std::uint32_t id) {
    for (const LanguageEntry& entry : kLanguageTable) {
        if (entry.id == kLanguageTableEnd) break;
        if (entry.id == id) return std::string(entry.moduleFile);
    }
    return std::nullopt;
}

}  // namespace rq
