// $GPBWC,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM*21
// $GPBWR,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM*30
// $GPBEC,081837,,,,,,T,,M,,N,*01
//
// BWC (great circle), BWR (rhumb line) and BEC (dead reckoning) share one layout:
// the time, the waypoint's position, the bearings true and magnetic, the distance in
// nautical miles and the waypoint's name.
#pragma once

#include <string>
#include <string_view>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Bearing and distance to a waypoint.
class BEARING_TO_WAYPOINT : public RESPONSE {
public:
    LATLONG position;
    double bearingTrue;
    double bearingMagnetic;
    double distanceNauticalMiles;
    std::u16string to;

    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    // "Waypoint X is N nautical miles away at B degrees true"
    void AppendPlainEnglish(std::u16string& out) const override;

protected:
    explicit BEARING_TO_WAYPOINT(std::u16string_view mnemonicText) : RESPONSE(mnemonicText) {}
    // "Waypoint X is N nautical miles away", the part every member says.
    void AppendDistance(std::u16string& out) const;
};

// Bearing and distance to a waypoint, great circle.
class BWC : public BEARING_TO_WAYPOINT {
public:
    BWC() : BEARING_TO_WAYPOINT(u"BWC") { Empty(); }
};

// Bearing and distance to a waypoint, rhumb line.
class BWR : public BEARING_TO_WAYPOINT {
public:
    BWR() : BEARING_TO_WAYPOINT(u"BWR") { Empty(); }
};

// Bearing and distance to a waypoint, dead reckoning; rendered with the distance only.
class BEC : public BEARING_TO_WAYPOINT {
public:
    BEC() : BEARING_TO_WAYPOINT(u"BEC") { Empty(); }
    void AppendPlainEnglish(std::u16string& out) const override { AppendDistance(out); }
};

}  // namespace rq
