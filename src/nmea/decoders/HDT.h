// $HEHDT,274.07,T*19
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Heading, true.
class HDT : public RESPONSE {
public:
    double degreesTrue;

    HDT();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
