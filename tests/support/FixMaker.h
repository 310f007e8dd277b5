// Fixes for the track tests: a usable 3D fix at a place, with speed and altitude.
#pragma once

#include "keepers/GpsPosition.h"

namespace rq::test {

inline CGpsPosition MakeFix(double lat, double lon, double knots = 0, double altitude = 0) {
    CGpsPosition fix;
    fix.Reset();
    fix.m_lat.Set(lat);
    fix.m_lon.Set(lon);
    fix.speed = knots;
    fix.altitude = altitude;
    fix.hdop = fix.vdop = fix.pdop = 1.0;
    fix.fixMode = 3;
    fix.gpsQuality = 1;
    fix.fixValid = 1;
    fix.changedMask = 0x3;
    return fix;
}

// Metres of latitude per degree on the model earth.
inline constexpr double kMetresPerDegree = 111200.162632;

}  // namespace rq::test
