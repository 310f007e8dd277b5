// $IIVBW,5.8,0.1,A,5.9,0.1,A*42
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Dual ground and water speed.
class VBW : public RESPONSE {
public:
    double longitudinalWaterSpeed;
    double transverseWaterSpeed;
    NmeaBoolean isWaterSpeedValid;
    double longitudinalGroundSpeed;
    double transverseGroundSpeed;
    NmeaBoolean isGroundSpeedValid;

    VBW();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
