// $SDVLW,1123.9,N,13.6,N*56
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Distance travelled through the water.
class VLW : public RESPONSE {
public:
    double totalDistanceNauticalMiles;
    double distanceSinceResetNauticalMiles;

    VLW();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
