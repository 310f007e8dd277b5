// $TRTRF,161229.15,230394,4124.8963,N,08151.6838,W,45.0,3,12,0.5,12,A*0C
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// TRANSIT fix data.
class TRF : public RESPONSE {
public:
    std::u16string date;
    LATLONG position;
    double elevationAngle;
    double numberOfIterations;
    double numberOfDopplerIntervals;
    double updateDistanceNauticalMiles;
    int satelliteId;
    NmeaBoolean isDataValid;

    TRF();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
