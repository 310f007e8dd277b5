// $GPWDC,12.5,N,WPT01*6F
// $GPWDR,12.5,N,WPT01*7E
//
// WDC (great circle) and WDR (rhumb line) share one layout: the distance in nautical
// miles and the waypoint's name.
#pragma once

#include <string>
#include <string_view>

#include "nmea/Response.h"

namespace rq {

// Distance to a waypoint.
class WAYPOINT_DISTANCE : public RESPONSE {
public:
    double nauticalMiles;
    std::u16string to;

    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;

protected:
    explicit WAYPOINT_DISTANCE(std::u16string_view mnemonicText) : RESPONSE(mnemonicText) {}
};

// Distance to waypoint, great circle.
class WDC : public WAYPOINT_DISTANCE {
public:
    WDC() : WAYPOINT_DISTANCE(u"WDC") { Empty(); }
};

// Distance to waypoint, rhumb line.
class WDR : public WAYPOINT_DISTANCE {
public:
    WDR() : WAYPOINT_DISTANCE(u"WDR") { Empty(); }
};

}  // namespace rq
