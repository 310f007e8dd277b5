// $SDVHW,,T,,M,5.94,N,11.00,K*7A
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Water speed and heading.
class VHW : public RESPONSE {
public:
    double degreesTrue;
    double degreesMagnetic;
    double knots;
    double kilometersPerHour;

    VHW();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
