// One origin of radar system data (RSD): range and bearing from own ship,
// variable range marker and electronic bearing line.
#pragma once

#include "geo/Unset.h"
#include "nmea/NmeaEnums.h"

namespace rq {

class SENTENCE;

struct RADAR_DATA {
    double originRange = kUnset;
    double originBearing = kUnset;
    double variableRangeMarker = kUnset;
    double bearingLine = kUnset;

    void Empty() { *this = RADAR_DATA(); }
    // Reads 4 fields from field `first` on.
    void Parse(int first, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
