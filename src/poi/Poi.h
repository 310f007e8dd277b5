// A point of interest: a named, typed position.
#pragma once

#include <cstdint>
#include <string>

#include "geo/Coordinate.h"

namespace rq {

class CPoi : public CCoordinate {
public:
    // Unbounded in memory; files keep the first 127 units.
    std::u16string name;
    // Row of the POI type table; values without a row are kept as they are.
    std::uint32_t type = 0;

    CPoi() = default;
    CPoi(std::u16string poiName, const CCoordinate& position, std::uint32_t poiType)
        : CCoordinate(position), name(std::move(poiName)), type(poiType) {}
};

}  // namespace rq
