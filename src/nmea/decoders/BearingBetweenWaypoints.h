// $GPBOD,097.0,T,103.2,M,POINTB,POINTA*4A
// $GPBWW,097.0,T,103.2,M,POINTB,POINTA*41
//
// BOD (origin to destination) and BWW (waypoint to waypoint) share one layout: the
// bearings true and magnetic, then the "to" and the "from" waypoint.
#pragma once

#include <string>
#include <string_view>

#include "nmea/Response.h"

namespace rq {

// Bearing from one waypoint to another.
class BEARING_BETWEEN_WAYPOINTS : public RESPONSE {
public:
    double bearingTrue;
    double bearingMagnetic;
    std::u16string to;
    std::u16string from;

    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;

protected:
    explicit BEARING_BETWEEN_WAYPOINTS(std::u16string_view mnemonicText) : RESPONSE(mnemonicText) {}
};

// Bearing from the origin waypoint to the destination.
class BOD : public BEARING_BETWEEN_WAYPOINTS {
public:
    BOD() : BEARING_BETWEEN_WAYPOINTS(u"BOD") { Empty(); }
    void AppendPlainEnglish(std::u16string& out) const override;
};

// Bearing from waypoint to waypoint.
class BWW : public BEARING_BETWEEN_WAYPOINTS {
public:
    BWW() : BEARING_BETWEEN_WAYPOINTS(u"BWW") { Empty(); }
};

}  // namespace rq
