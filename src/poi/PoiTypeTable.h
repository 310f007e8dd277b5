// The fixed table of POI types: icon and label of every type value. The icons
// themselves are loaded and kept by the front end, indexed by type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "resources/StringIds.h"

namespace rq {

struct PoiTypeRow {
    std::uint32_t type;    // equal to the row index
    std::uint32_t iconId;  // resource id of the icon (0 for none)
    int iconWidth;         // the map centres the icon on the POI
    int iconHeight;
    StringId labelId;
};

inline constexpr std::size_t kPoiTypeCount = 34;

// The rows in table order, which is the order of the "Type" list of the edit dialog.
const PoiTypeRow* PoiTypeRows();
// None for type values of 34 or more.
const PoiTypeRow* FindPoiType(std::uint32_t type);
// None for type values of 34 or more.
std::optional<StringId> PoiTypeLabelId(std::uint32_t type);

}  // namespace rq
