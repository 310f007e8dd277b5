// $GPGTD,11790.04,26904.31,41539.70,,*7E
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Geographic location in time differences.
class GTD : public RESPONSE {
public:
    double timeDifference[5];

    GTD();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
