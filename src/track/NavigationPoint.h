// The navigation target: a coordinate with an optional name. The object lives as long
// as the model and keeps the longitude scale of its first use across new targets.
#pragma once

#include <string>

#include "geo/Coordinate.h"

namespace rq {

class CNavigationPoint : public CCoordinate {
public:
    CNavigationPoint() = default;
    CNavigationPoint(double lat, double lon) : CCoordinate(lat, lon) {}
    std::u16string name;
};

}  // namespace rq
