#include "geo/Course.h"

#include <cmath>

namespace rq {

CCourse::CCourse(double bearing, double dist) : distance(dist) {
    if (bearing < 0) bearing += 360;
    value = std::fabs(bearing);
}

}  // namespace rq
