// $GPWDR,12.5,N,WPT01*7E
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Distance to waypoint, rhumb line.
class WDR : public RESPONSE {
public:
    double nauticalMiles;
    std::u16string to;

    WDR();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
