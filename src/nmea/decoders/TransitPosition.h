// $GPGXA,161229.15,4124.8963,N,08151.6838,W,WPT01,12*37
// $GPGXF,161229.15,4124.8963,N,08151.6838,W,WPT01,12*30
// $GPGXP,161229.15,4124.8963,N,08151.6838,W,WPT01*09
//
// The TRANSIT position sentences: the time, the position and the waypoint; GXA and GXF
// go on with the number of the satellite that gave the fix.
#pragma once

#include <string>
#include <string_view>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// TRANSIT position without the satellite.
class TRANSIT_POSITION : public RESPONSE {
public:
    LATLONG position;
    std::u16string waypointId;

    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;

protected:
    explicit TRANSIT_POSITION(std::u16string_view mnemonicText) : RESPONSE(mnemonicText) {}
    // The shared fields 1 to 6; the checksum follows them or the satellite field.
    bool ParsePosition(const SENTENCE& sentence, int checksumField);
    // The address and the shared fields, not yet finished.
    void WritePosition(SENTENCE& sentence) const;
};

// TRANSIT position with the satellite number after the waypoint.
class TRANSIT_SATELLITE_POSITION : public TRANSIT_POSITION {
public:
    int satelliteNumber;

    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;

protected:
    explicit TRANSIT_SATELLITE_POSITION(std::u16string_view mnemonicText)
        : TRANSIT_POSITION(mnemonicText) {}
};

// TRANSIT position.
class GXA : public TRANSIT_SATELLITE_POSITION {
public:
    GXA() : TRANSIT_SATELLITE_POSITION(u"GXA") { Empty(); }
};

// TRANSIT fix.
class GXF : public TRANSIT_SATELLITE_POSITION {
public:
    GXF() : TRANSIT_SATELLITE_POSITION(u"GXF") { Empty(); }
};

// TRANSIT position, latitude and longitude.
class GXP : public TRANSIT_POSITION {
public:
    GXP() : TRANSIT_POSITION(u"GXP") { Empty(); }
};

}  // namespace rq
