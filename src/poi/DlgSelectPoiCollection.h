// The "Select POI Collection" dialog without its widgets: a drop-down list of the
// collections a POI can go to, each with its kind code.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rq {

// The kind codes of the three collections; callers accept the route's, which the
// dialog never offers.
enum class PoiCollectionKind : std::uint32_t { Local = 1, Track = 2, Route = 3 };

class CDlgSelectPoiCollection {
public:
    struct Entry {
        std::u16string label;
        PoiCollectionKind kind;
    };

    // "Local POI" and "Track POI", the first selected.
    CDlgSelectPoiCollection();

    const std::vector<Entry>& Entries() const { return entries_; }
    // The selected entry's index in the drop-down list.
    int selection = 0;

    // False while nothing is selected; otherwise the result is the selected entry's code.
    bool Ok();
    PoiCollectionKind Result() const { return result_; }

private:
    std::vector<Entry> entries_;
    PoiCollectionKind result_ = PoiCollectionKind::Local;
};

}  // namespace rq
