// $GPSTN,01*73
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Multiple data id.
class STN : public RESPONSE {
public:
    int talkerIdNumber;

    STN();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
