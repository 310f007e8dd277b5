#include "nmea/RadarData.h"

#include "nmea/Sentence.h"

namespace rq {

void RADAR_DATA::Parse(int first, const SENTENCE& s) {
    originRange = s.Double(first + 0);
    originBearing = s.Double(first + 1);
    variableRangeMarker = s.Double(first + 2);
    bearingLine = s.Double(first + 3);
}

void RADAR_DATA::Write(SENTENCE& s) const {
    s.AddDouble(originRange);
    s.AddDouble(originBearing);
    s.AddDouble(variableRangeMarker);
    s.AddDouble(bearingLine);
}

}  // namespace rq
