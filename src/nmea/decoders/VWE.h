// $IIVWE,85*65
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Wind track efficiency.
class VWE : public RESPONSE {
public:
    int efficiencyPercent;

    VWE();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
