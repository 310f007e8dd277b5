// $GPAAM,A,A,0.10,N,WPTNME*32
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Waypoint arrival alarm.
class AAM : public RESPONSE {
public:
    NmeaBoolean arrivalCircleEntered;
    NmeaBoolean perpendicularPassed;
    double circleRadius;
    std::u16string waypointId;

    AAM();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
