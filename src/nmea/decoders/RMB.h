// $GPRMB,A,0.66,L,003,004,4917.24,N,12309.57,W,001.3,052.5,000.5,V*20
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Recommended minimum navigation information.
class RMB : public RESPONSE {
public:
    NmeaBoolean isDataValid;
    double crossTrackError;
    LeftRight directionToSteer;
    std::u16string from;
    std::u16string to;
    LATLONG destinationPosition;
    double rangeToDestinationNauticalMiles;
    double bearingToDestinationDegreesTrue;
    double destinationClosingVelocityKnots;
    NmeaBoolean isArrivalCircleEntered;

    RMB();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
