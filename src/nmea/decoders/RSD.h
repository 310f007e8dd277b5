// $RARSD,0.0,0.0,2.5,45.0,,,,,1.2,30.5,6.0,N,N*51
#pragma once

#include <string>

#include "nmea/RadarData.h"
#include "nmea/Response.h"

namespace rq {

// Radar system data.
class RSD : public RESPONSE {
public:
    RADAR_DATA origin1;
    RADAR_DATA origin2;
    double cursorRange;
    double cursorBearing;
    double rangeScale;
    std::u16string rangeUnits;
    std::u16string displayRotation;

    RSD();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
