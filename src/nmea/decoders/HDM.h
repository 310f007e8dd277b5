// $HCHDM,238.5,M*25
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Heading, magnetic.
class HDM : public RESPONSE {
public:
    double degreesMagnetic;

    HDM();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
