#include "app/DlgSelectLanguage.h"

#include <algorithm>

#include "app/LanguageTable.h"
#include "app/Settings.h"
#include "app/StringTable.h"

namespace rq {

void CDlgSelectLanguage::Open() {
    entries_.clear();
    selection_.reset();
    const std::uint32_t stored = GetLanguageId();
    for (const LanguageEntry& language : kLanguageTable) {
        if (language.id == kLanguageTableEnd) break;
        entries_.push_back({language.name, language.id});
    }
    // The list box sorts by name; the selection follows its entry.
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.name < b.name; });
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].id == stored) selection_ = i;
    }
}

void CDlgSelectLanguage::Select(std::optional<std::size_t> index) {
    if (index && *index >= entries_.size()) index.reset();
    selection_ = index;
}

bool CDlgSelectLanguage::Ok() {
    if (!selection_) return false;
    result_ = entries_[*selection_].id;
    return true;
}

void RunLanguageCommand(LanguageChooser& chooser) {
    const std::optional<std::uint32_t> chosen = chooser.ChooseLanguage();
    if (!chosen) return;
    SetLanguageId(*chosen);
    ShowStringMessage(StringId::YouHaveToRestartRoamquill, platform::MessageIcon::Information);
}

}  // namespace rq
