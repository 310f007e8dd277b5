// $HCHDG,98.3,0.0,E,12.6,W*57
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Heading with deviation and variation.
class HDG : public RESPONSE {
public:
    double magneticSensorHeadingDegrees;
    double magneticDeviationDegrees;
    EastWest magneticDeviationDirection;
    double magneticVariationDegrees;
    EastWest magneticVariationDirection;

    HDG();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
