// $GPAPB,A,A,0.10,R,N,V,V,011,M,DEST,011,M,011,M*3C
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Autopilot sentence "B": cross-track error and bearings to the destination.
class APB : public RESPONSE {
public:
    NmeaBoolean isLoranBlinkOk;
    NmeaBoolean isLoranCCycleLockOk;
    double crossTrackErrorMagnitude;
    LeftRight directionToSteer;
    std::u16string crossTrackUnits;
    NmeaBoolean isArrivalCircleEntered;
    NmeaBoolean isPerpendicular;
    double bearingOriginToDestination;
    std::u16string bearingOriginToDestinationUnits;
    std::u16string toWaypointName;
    double bearingPresentPositionToDestination;
    std::u16string bearingPresentPositionToDestinationUnits;
    double headingToSteer;
    std::u16string headingToSteerUnits;

    APB();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
