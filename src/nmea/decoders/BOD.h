// $GPBOD,097.0,T,103.2,M,POINTB,POINTA*4A
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Bearing from the origin waypoint to the destination.
class BOD : public RESPONSE {
public:
    double bearingTrue;
    double bearingMagnetic;
    std::u16string to;
    std::u16string from;

    BOD();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
