// The way between two points: a bearing in degrees clockwise from north (in `value`)
// and a distance in metres.
#pragma once

#include "geo/Angle.h"

namespace rq {

class CCourse : public CAngle {
public:
    double distance = 0;

    CCourse() = default;
    // A negative bearing gets one turn added and the magnitude is kept, so -90 is 270
    // and -400 is 40.
    CCourse(double bearing, double distance);
};

// A course made by the flat (local plane) method.
class CCourseFlat : public CCourse {
public:
    CCourseFlat() = default;
    CCourseFlat(double bearing, double distance) : CCourse(bearing, distance) {}
};

}  // namespace rq
