// $GPXTE,A,A,0.67,L,N*6F
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Cross-track error, measured.
class XTE : public RESPONSE {
public:
    NmeaBoolean isLoranBlinkOk;
    NmeaBoolean isLoranCCycleLockOk;
    double crossTrackErrorDistance;
    LeftRight directionToSteer;
    std::u16string crossTrackUnits;

    XTE();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
