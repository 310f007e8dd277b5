// $LCRMA,A,4124.8963,N,08151.6838,W,11790.04,26904.31,5.2,270.0,12.6,W*55
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Recommended minimum Loran-C data.
class RMA : public RESPONSE {
public:
    NmeaBoolean isDataValid;
    LATLONG position;
    double timeDifferenceA;
    double timeDifferenceB;
    double speedOverGroundKnots;
    double trackMadeGoodDegreesTrue;
    double magneticVariation;
    EastWest magneticVariationDirection;

    RMA();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
