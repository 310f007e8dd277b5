// $SDDPT,3.6,0.0*52
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Depth of water and the transducer offset.
class DPT : public RESPONSE {
public:
    double depthMeters;
    double offsetFromTransducerMeters;

    DPT();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
