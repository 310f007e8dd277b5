// $GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Global positioning system fix data.
class GGA : public RESPONSE {
public:
    LATLONG position;
    int gpsQuality;  // 0 no fix; any other value is a fix
    int numberOfSatellitesInUse;
    double horizontalDilutionOfPrecision;  // 0..50; out of range or absent reads as 50
    double antennaAltitudeMeters;          // above mean sea level
    double geoidalSeparationMeters;
    double ageOfDifferentialGpsDataSeconds;
    int differentialReferenceStationId;

    GGA();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

// Dilutions of precision are kept within 0..50; anything else (the unset value
// included) becomes 50, the worst.
double ClampDilution(double value);

}  // namespace rq
