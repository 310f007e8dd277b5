// $GPGDA,161229.15,4124.8963,N,08151.6838,W,WPT01*04
//
// GDA, GDF, GDP (dead reckoning), GLA, GLF, GLP (Loran-C) and GOA, GOF, GOP (Omega)
// share one layout.
#pragma once

#include <string>
#include <string_view>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// The waypoint location sentences: the time, the position and the waypoint's name.
class WAYPOINT_LOCATION : public RESPONSE {
public:
    LATLONG position;
    std::u16string waypoint;

    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;

protected:
    explicit WAYPOINT_LOCATION(std::u16string_view mnemonicText) : RESPONSE(mnemonicText) {}
};

// Dead reckoning waypoint location.
class GDA : public WAYPOINT_LOCATION {
public:
    GDA() : WAYPOINT_LOCATION(u"GDA") { Empty(); }
};

// Dead reckoning waypoint location, fix.
class GDF : public WAYPOINT_LOCATION {
public:
    GDF() : WAYPOINT_LOCATION(u"GDF") { Empty(); }
};

// Dead reckoning waypoint position.
class GDP : public WAYPOINT_LOCATION {
public:
    GDP() : WAYPOINT_LOCATION(u"GDP") { Empty(); }
};

// Loran-C waypoint location.
class GLA : public WAYPOINT_LOCATION {
public:
    GLA() : WAYPOINT_LOCATION(u"GLA") { Empty(); }
};

// Loran-C waypoint location, fix.
class GLF : public WAYPOINT_LOCATION {
public:
    GLF() : WAYPOINT_LOCATION(u"GLF") { Empty(); }
};

// Loran-C waypoint position.
class GLP : public WAYPOINT_LOCATION {
public:
    GLP() : WAYPOINT_LOCATION(u"GLP") { Empty(); }
};

// Omega waypoint location.
class GOA : public WAYPOINT_LOCATION {
public:
    GOA() : WAYPOINT_LOCATION(u"GOA") { Empty(); }
};

// Omega waypoint location, fix.
class GOF : public WAYPOINT_LOCATION {
public:
    GOF() : WAYPOINT_LOCATION(u"GOF") { Empty(); }
};

// Omega waypoint position.
class GOP : public WAYPOINT_LOCATION {
public:
    GOP() : WAYPOINT_LOCATION(u"GOP") { Empty(); }
};

}  // namespace rq
