// $GPBWW,097.0,T,103.2,M,POINTB,POINTA*41
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Bearing from waypoint to waypoint.
class BWW : public RESPONSE {
public:
    double bearingTrue;
    double bearingMagnetic;
    std::u16string to;
    std::u16string from;

    BWW();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
