// $TRTEP,45.0,D*1C
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// TRANSIT satellite predicted elevation.
class TEP : public RESPONSE {
public:
    double elevationDegrees;

    TEP();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
