// The "Navigate By" dialog without its widgets: one drop-down list of the navigation
// sources, the first selected; OK keeps the chosen source's code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rq {

class CDlgNavigateTo {
public:
    // The codes the entries carry, in list order.
    enum class Source : std::uint32_t {
        LocalPoi = 1,
        TrackPoi = 2,
        RoutePoi = 3,
        PositionMessage = 4,
        Here = 5,
        FriendPosition = 6,
    };
    struct Entry {
        std::u16string text;
        Source code;
    };

    // Fills the list from the string table and selects the first entry.
    CDlgNavigateTo();

    const std::vector<Entry>& Entries() const { return entries_; }
    std::optional<std::size_t> Selection() const { return selection_; }
    void Select(std::optional<std::size_t> index);

    // False without a selection: the dialog stays open and says nothing. Otherwise the
    // selected entry's code becomes the result.
    bool Ok();
    Source Result() const { return result_; }

private:
    std::vector<Entry> entries_;
    std::optional<std::size_t> selection_;
    Source result_ = Source::LocalPoi;
};

}  // namespace rq
