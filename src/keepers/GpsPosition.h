// The current fix of a GPS keeper: position, time, speed, courses, dilutions of
// precision, fix quality and mode, and 24 satellites, with a mask of what changed
// since the last post. Copies of it travel to the main view with message 2024.
#pragma once

#include <cstdint>

#include "geo/Coordinate.h"
#include "keepers/Satellite.h"
#include "platform/Time.h"

namespace rq {

// Changed-mask bits.
inline constexpr std::uint32_t kChangedLatitude = 0x1;
inline constexpr std::uint32_t kChangedLongitude = 0x2;
inline constexpr std::uint32_t kChangedAltitude = 0x4;
inline constexpr std::uint32_t kChangedSpeed = 0x8;
inline constexpr std::uint32_t kChangedPdop = 0x10;
inline constexpr std::uint32_t kChangedHdop = 0x20;
inline constexpr std::uint32_t kChangedVdop = 0x40;
inline constexpr std::uint32_t kChangedTime = 0x80;
inline constexpr std::uint32_t kChangedCourse = 0x100;
inline constexpr std::uint32_t kChangedMagneticCourse = 0x200;
inline constexpr std::uint32_t kChangedSatellites = 0x400;
inline constexpr std::uint32_t kChangedSelectionMode = 0x800;
inline constexpr std::uint32_t kChangedFixMode = 0x1000;

class CGpsPosition : public CCoordinate {
public:
    static constexpr int kSatelliteCount = 24;

    int fixValid = 1;
    platform::TimeValue time = 0;
    double speed = 0;   // knots over ground
    double course = 0;  // degrees true over ground
    double hdop = 50.0;
    double vdop = 50.0;
    double pdop = 50.0;
    double altitude = 0;        // metres above mean sea level
    double courseMagnetic = 0;  // degrees magnetic
    std::uint32_t changedMask = 0;
    int selectionMode = 0;  // 0 unknown, 1 manual, 2 automatic
    int fixMode = 0;        // 0 unknown, 1 no fix, 2 two-, 3 three-dimensional
    int gpsQuality = 0;
    int satellitesUsed = 0;
    int satellitesInView = 0;
    CSatellite satellites[kSatelliteCount];

    CGpsPosition() = default;
    // Copies start without a longitude scale; assignment keeps the target's own (the
    // base's rules), everything else is copied, mask and satellites included.
    CGpsPosition(const CGpsPosition&) = default;
    CGpsPosition& operator=(const CGpsPosition&) = default;

    // Every field to its start value, latitude and longitude unset; the time stays.
    void Reset();
    // A usable fix: valid coordinate, every DOP within 0..15, 2D or 3D, quality > 0.
    bool HasFix() const;
};

}  // namespace rq
