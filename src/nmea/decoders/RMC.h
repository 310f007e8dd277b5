// $GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Recommended minimum specific GNSS data. Refused without a checksum.
class RMC : public RESPONSE {
public:
    NmeaBoolean isDataValid;
    LATLONG position;
    double speedOverGroundKnots;
    double trackMadeGoodDegreesTrue;
    std::u16string date;  // ddmmyy
    double magneticVariation;
    EastWest magneticVariationDirection;

    RMC();
    void Empty() override;
    // With a six-character date, `time` is that date (year 2000 + yy) at the time of
    // field 1; otherwise, or when the date is impossible, it keeps 1 January 1980.
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
