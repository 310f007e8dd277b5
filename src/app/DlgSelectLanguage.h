// What the "Select Language" dialog shows and returns, without the widgets: one entry
// per language sorted by name, the stored language selected, OK refused while nothing
// is selected.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rq {

class CDlgSelectLanguage {
public:
    struct Entry {
        std::u16string name;
        std::uint32_t id;
    };

    // Fills the entries and selects the one of the stored "Language Id" (none when it
    // matches no language).
    void Open();
    const std::vector<Entry>& Entries() const { return entries_; }
    std::optional<std::size_t> Selection() const { return selection_; }
    void Select(std::optional<std::size_t> index);
    // False, the dialog staying open, while no entry is selected; otherwise the result
    // becomes the selected entry's id.
    bool Ok();
    std::uint32_t Result() const { return result_; }

private:
    std::vector<Entry> entries_;
    std::optional<std::size_t> selection_;
    std::uint32_t result_ = 0;
};

// The user's side of the dialog: the chosen id, or none when the dialog was cancelled.
class LanguageChooser {
public:
    virtual ~LanguageChooser() = default;
    virtual std::optional<std::uint32_t> ChooseLanguage() = 0;
};

// The "Language" command: on OK stores the chosen id and tells the user that it takes
// effect at the next start (string 237); on Cancel stores nothing.
void RunLanguageCommand(LanguageChooser& chooser);

}  // namespace rq
