#include "nmea/SatelliteData.h"

#include "nmea/Sentence.h"

namespace rq {

void SATELLITE_DATA::Parse(int first, const SENTENCE& s) {
    satelliteNumber = s.Integer(first);
    elevationDegrees = s.Integer(first + 1);
    azimuthDegreesTrue = s.Integer(first + 2);
    signalToNoiseRatio = s.Field(first + 3).empty() ? -1 : s.Integer(first + 3);
}

void SATELLITE_DATA::Write(SENTENCE& s) const {
    s.AddInteger(satelliteNumber).AddInteger(elevationDegrees).AddInteger(azimuthDegreesTrue);
    if (signalToNoiseRatio < 0)
        s.AddText(u"");
    else
        s.AddInteger(signalToNoiseRatio);
}

}  // namespace rq
