#include "geo/DoubleRect.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geo/Coordinate.h"

namespace rq {

namespace {
constexpr double kEdgeTolerance = 1e-7;
}

CDoubleRect::CDoubleRect(const CCoordinate& topLeft, const CCoordinate& bottomRight)
    : left(topLeft.m_lon.value),
      top(topLeft.m_lat.value),
      right(bottomRight.m_lon.value),
      bottom(bottomRight.m_lat.value) {}

CDoubleRect::~CDoubleRect() = default;

void CDoubleRect::Normalize() {
    if (left > right) std::swap(left, right);
    if (top < bottom) std::swap(top, bottom);
}

bool CDoubleRect::Contains(const CCoordinate& point) const {
    const double lat = point.m_lat.value;
    const double lon = point.m_lon.value;
    return (std::fabs(lat - top) < kEdgeTolerance || lat < top) &&
           (std::fabs(lat - bottom) < kEdgeTolerance || lat > bottom) &&
           (std::fabs(lon - left) < kEdgeTolerance || lon > left) &&
           (std::fabs(lon - right) < kEdgeTolerance || lon < right);
}

void CDoubleRect::Extend(const CCoordinate& point) {
    top = std::max(top, point.m_lat.value);
    bottom = std::min(bottom, point.m_lat.value);
    left = std::min(left, point.m_lon.value);
    right = std::max(right, point.m_lon.value);
}

bool CDoubleRect::Intersects(const CDoubleRect& other) const {
    return !(other.bottom > top || other.top < bottom || other.right < left || other.left > right);
}

}  // namespace rq
