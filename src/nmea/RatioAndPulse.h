// One Loran-C station's signal (LCD): signal-to-noise ratio and the pulse shape
// (envelope to cycle discrepancy).
#pragma once

#include "geo/Unset.h"
#include "nmea/NmeaEnums.h"

namespace rq {

class SENTENCE;

struct RATIO_AND_PULSE {
    int signalToNoiseRatio = 0;
    int pulseShapeEcd = 0;

    void Empty() { *this = RATIO_AND_PULSE(); }
    // Reads 2 fields from field `first` on.
    void Parse(int first, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
