// $CTFSI,020230,026140,m,5*11
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Frequency set information.
class FSI : public RESPONSE {
public:
    std::u16string transmittingFrequency;
    std::u16string receivingFrequency;
    CommunicationsMode communicationsMode;
    int powerLevel;

    FSI();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
