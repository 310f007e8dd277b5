#include "keepers/Satellite.h"

#include "nmea/FieldTypes.h"

namespace rq {

void CSatellite::Take(const SATELLITE_DATA& data) {
    prn = data.satelliteNumber;
    elevation = data.elevationDegrees;
    azimuth = data.azimuthDegreesTrue;
    snr = data.signalToNoiseRatio;
}

bool CSatellite::SameAs(const SATELLITE_DATA& data) const {
    return prn == data.satelliteNumber && elevation == data.elevationDegrees &&
           azimuth == data.azimuthDegreesTrue && snr == data.signalToNoiseRatio;
}

}  // namespace rq
