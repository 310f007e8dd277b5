// $CTSFI,1,1,156800,m,156300,m,,,,,,,,*40
#pragma once

#include <string>

#include "nmea/FrequencyAndMode.h"
#include "nmea/Response.h"

namespace rq {

// Scanning frequency information.
class SFI : public RESPONSE {
public:
    int totalMessages;
    int messageNumber;
    FREQUENCY_AND_MODE frequencies[6];

    SFI();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
