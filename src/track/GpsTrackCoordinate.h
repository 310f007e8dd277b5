// One point of a track: a coordinate with its ordering key, milestone flag, the
// cumulative length of the track up to it and the bearing of the segment leaving it.
#pragma once

#include <cstdint>

#include "geo/Coordinate.h"

namespace rq {

class CGpsTrackCoordinate : public CCoordinate {
public:
    // Friend tracks order their points by this key (descending); own points have 0.
    std::uint32_t timeKey = 0;
    std::uint32_t milestone = 0;
    double distance = 0;  // metres from the first point (or the last initial milestone)
    double course = 0;    // degrees, toward the next newer point

    CGpsTrackCoordinate() = default;
    CGpsTrackCoordinate(double lat, double lon) : CCoordinate(lat, lon) {}
    // Copies every field but the longitude scale, which belongs to the object.
    CGpsTrackCoordinate(const CGpsTrackCoordinate& other)
        : CCoordinate(other),
          timeKey(other.timeKey),
          milestone(other.milestone),
          distance(other.distance),
          course(other.course) {}
    CGpsTrackCoordinate& operator=(const CGpsTrackCoordinate& other) {
        CCoordinate::operator=(other);
        timeKey = other.timeKey;
        milestone = other.milestone;
        distance = other.distance;
        course = other.course;
        return *this;
    }
};

}  // namespace rq
