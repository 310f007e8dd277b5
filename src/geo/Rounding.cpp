#include "geo/Rounding.h"

#include <climits>
#include <cmath>

namespace rq {

int TruncToInt(double x) {
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (x <= -static_cast<double>(INT_MAX)) return -INT_MAX;
    return static_cast<int>(x);
}

int RoundHalfAway(double x) {
    const double whole = std::trunc(x);
    const double rest = x - whole;
    double rounded = whole;
    if (rest >= 0.5)
        rounded += 1.0;
    else if (rest <= -0.5)
        rounded -= 1.0;
    return TruncToInt(rounded);
}

}  // namespace rq
