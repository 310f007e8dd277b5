// $GPBWC,220516,5130.02,N,00046.34,W,213.8,T,218.0,M,0004.6,N,EGLM*21
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Bearing and distance to a waypoint, great circle.
class BWC : public RESPONSE {
public:
    LATLONG position;
    double bearingTrue;
    double bearingMagnetic;
    double distanceNauticalMiles;
    std::u16string to;

    BWC();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
