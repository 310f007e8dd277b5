// $GPBEC,081837,,,,,,T,,M,,N,*01
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Bearing and distance to a waypoint, dead reckoning.
class BEC : public RESPONSE {
public:
    LATLONG position;
    double bearingTrue;
    double bearingMagnetic;
    double distanceNauticalMiles;
    std::u16string to;

    BEC();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
