// $GPGLC,7980,11790.04,A,26904.31,A,41539.70,A,,,,,,*26
#pragma once

#include <string>

#include "nmea/LoranTimeDifference.h"
#include "nmea/Response.h"

namespace rq {

// Geographic position, Loran-C time differences.
class GLC : public RESPONSE {
public:
    int groupRepetitionInterval;
    LORAN_TIME_DIFFERENCE master;
    LORAN_TIME_DIFFERENCE timeDifference1;
    LORAN_TIME_DIFFERENCE timeDifference2;
    LORAN_TIME_DIFFERENCE timeDifference3;
    LORAN_TIME_DIFFERENCE timeDifference4;
    LORAN_TIME_DIFFERENCE timeDifference5;

    GLC();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
