// $APHSC,274.1,T,270.2,M*57
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Heading steering command.
class HSC : public RESPONSE {
public:
    double degreesTrue;
    double degreesMagnetic;

    HSC();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
