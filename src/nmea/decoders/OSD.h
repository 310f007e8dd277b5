// $RAOSD,035.5,A,036.0,B,12.4,B,,,N*77
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Own ship data.
class OSD : public RESPONSE {
public:
    double headingDegreesTrue;
    NmeaBoolean isHeadingValid;
    double vesselCourseDegreesTrue;
    Reference vesselCourseReference;
    double vesselSpeed;
    Reference vesselSpeedReference;
    double vesselSetDegreesTrue;
    double vesselDriftSpeed;
    std::u16string vesselDriftSpeedUnits;

    OSD();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
