// $APASD,A,A,A,A,A*2A
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Autopilot system data.
class ASD : public RESPONSE {
public:
    NmeaBoolean isHeadingDeviationOk;
    NmeaBoolean isOffCourse;
    NmeaBoolean isAutomaticSteeringOn;
    NmeaBoolean isCourseSelectorOk;
    NmeaBoolean isRudderOk;

    ASD();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
