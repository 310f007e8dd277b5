// $HCHCC,225.5*41
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Compass heading.
class HCC : public RESPONSE {
public:
    double headingDegrees;

    HCC();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
