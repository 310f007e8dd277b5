// $GPWNC,200.00,N,370.40,K,Dest,Origin*58
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Distance from waypoint to waypoint.
class WNC : public RESPONSE {
public:
    double nauticalMiles;
    double kilometers;
    std::u16string to;
    std::u16string from;

    WNC();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
