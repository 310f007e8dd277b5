// $IIVDR,10.1,T,12.3,M,1.2,N*3A
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Set and drift.
class VDR : public RESPONSE {
public:
    double degreesTrue;
    double degreesMagnetic;
    double knots;

    VDR();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
