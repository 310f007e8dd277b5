// The current track with everything known about the trip: the current fix, running
// statistics, the track's own POIs and how it is drawn. Friend tracks use it too.
#pragma once

#include <cstdint>
#include <string>

#include "geo/DoubleRect.h"
#include "geo/Units.h"
#include "keepers/GpsPosition.h"
#include "platform/Time.h"
#include "poi/PoiCollection.h"
#include "track/GpsTrack.h"

namespace rq {

// Speed and altitude of the previous counted fix. They belong to the whole run, not
// to a track: clearing or loading a track leaves them, so the first fix after that
// compares with the last one before it.
struct CLastFixValues {
    double lastSpeed = 0;     // km/h
    double lastAltitude = 0;  // metres
};

inline constexpr double kKmhToMetresPerSecond = 0.2777777777777778;
inline constexpr std::uint32_t kOwnTrackColour = 0xFFFF00;
inline constexpr std::uint32_t kFriendTrackColour = 0x6C8C17;

class CGpsTrackInfo : public CGpsTrack {
public:
    CGpsTrackInfo();
    ~CGpsTrackInfo() override;

    CGpsPosition fix;
    std::uint32_t followFix = 0;
    std::u16string ownerId;
    std::u16string shortName;
    CPoiCollection pois;
    std::uint32_t colour = kOwnTrackColour;
    std::uint32_t penStyle = 0;
    std::uint32_t penWidth = 2;
    std::uint32_t fixCount = 0;
    double avgSpeed = 0;
    double maxSpeed = 0;
    double maxAltitude = kUnset;
    double minAltitude = kUnset;
    double acceleration = 0;  // m/s per counted fix
    double ascentRate = 0;    // m/min
    double navDistance = 0;
    std::int32_t etaSeconds = 0;
    platform::TimeValue startTime = 0;

    void ResetStatistics();
    // Points, fix, POIs and statistics; names, colour, pen and follow flag stay.
    void Clear();
    // The track or its POI collection.
    bool IsModified() const;
    // Metres: the head's distance plus the way from the head to a usable fix.
    double GetMileage();
    CDoubleRect GetBoundsWithFix() const;
    // Runs once per counted fix, after the track point decision.
    void UpdateStatistics(CLastFixValues& last);
    // The first fix time in a year after 1980 starts the trip.
    void UpdateStartTime();
};

}  // namespace rq
