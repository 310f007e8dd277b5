#include "geo/Earth.h"

#include <cmath>

#include "geo/Coordinate.h"

namespace rq {

double MetresPerLatitudeDegree(double, double) {
    return kMetresPerLatitudeDegree;
}

double MetresPerLongitudeDegree(double latitude, double longitude) {
    const CCoordinate west(latitude, longitude - 0.5);
    const CCoordinate east(latitude, longitude + 0.5);
    return west.GreatCircleCourseTo(east).distance;
}

double BearingOf(double east, double north) {
    if (east == 0) return north < 0 ? kPi : 0;
    if (north == 0) return east > 0 ? kPi / 2 : 3 * kPi / 2;
    const double t = std::atan(std::fabs(east / north));
    if (east > 0) return north < 0 ? kPi - t : t;
    return north < 0 ? kPi + t : 2 * kPi - t;
}

}  // namespace rq
