// $GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Track made good and ground speed. The unit letters are not read.
class VTG : public RESPONSE {
public:
    double trackDegreesTrue;
    double trackDegreesMagnetic;
    double speedKnots;
    double speedKilometersPerHour;

    VTG();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
