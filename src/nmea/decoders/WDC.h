// $GPWDC,12.5,N,WPT01*6F
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Distance to waypoint, great circle.
class WDC : public RESPONSE {
public:
    double nauticalMiles;
    std::u16string to;

    WDC();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
