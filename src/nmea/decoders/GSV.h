// $GPGSV,2,1,08,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45*75
#pragma once

#include <string>

#include "nmea/Response.h"
#include "nmea/SatelliteData.h"

namespace rq {

// Satellites in view. The first three messages fill a table of twelve satellites.
class GSV : public RESPONSE {
public:
    int messageNumber;
    int satellitesInView;
    SATELLITE_DATA satellites[12];

    GSV();
    void Empty() override;
    // Message m (1 to 3) fills entries 4(m-1) to 4(m-1)+3; then every entry from the
    // satellites-in-view count on is cleared.
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
