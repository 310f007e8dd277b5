// $LCLCD,7980,100,20,090,15,080,12,,,,,,*5B
#pragma once

#include <string>

#include "nmea/RatioAndPulse.h"
#include "nmea/Response.h"

namespace rq {

// Loran-C signal data.
class LCD : public RESPONSE {
public:
    int groupRepetitionInterval;
    RATIO_AND_PULSE master;
    RATIO_AND_PULSE secondary1;
    RATIO_AND_PULSE secondary2;
    RATIO_AND_PULSE secondary3;
    RATIO_AND_PULSE secondary4;
    RATIO_AND_PULSE secondary5;

    LCD();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
