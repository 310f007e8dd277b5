// $GPGXP,161229.15,4124.8963,N,08151.6838,W,WPT01*09
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// TRANSIT position, latitude and longitude.
class GXP : public RESPONSE {
public:
    LATLONG position;
    std::u16string waypointId;

    GXP();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
