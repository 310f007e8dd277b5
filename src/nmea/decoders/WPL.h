// $GPWPL,4917.16,N,12310.64,W,003*65
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Waypoint location.
class WPL : public RESPONSE {
public:
    LATLONG position;
    std::u16string to;

    WPL();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
