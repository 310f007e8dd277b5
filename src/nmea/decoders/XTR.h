// $GPXTR,0.67,L,N*78
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Cross-track error, dead reckoning.
class XTR : public RESPONSE {
public:
    double magnitude;
    LeftRight directionToSteer;

    XTR();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
