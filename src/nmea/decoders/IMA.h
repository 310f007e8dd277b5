// $GPIMA,SEASTAR,WXY123,4124.8963,N,08151.6838,W,274.1,T,270.2,M,12.5,N*19
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Vessel identification.
class IMA : public RESPONSE {
public:
    std::u16string vesselName;
    std::u16string callSign;
    LATLONG position;
    double headingDegreesTrue;
    double headingDegreesMagnetic;
    double speedKnots;

    IMA();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
