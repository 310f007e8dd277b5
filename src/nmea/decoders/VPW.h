// $IIVPW,4.5,N,2.3,M*52
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Speed measured parallel to wind.
class VPW : public RESPONSE {
public:
    double knots;
    double metersPerSecond;

    VPW();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
