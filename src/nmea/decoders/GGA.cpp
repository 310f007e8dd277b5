#include "nmea/decoders/GGA.h"

#include "nmea/PlainText.h"
#include "nmea/decoders/TimeText.h"

namespace rq {

double ClampDilution(double value) {
    // Written so that NaN ("nan" reads as a number) clamps as well.
    return value >= 0.0 && value <= 50.0 ? value : 50.0;
}

GGA::GGA() : RESPONSE(u"GGA") {
    Empty();
}

void GGA::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    gpsQuality = 0;
    numberOfSatellitesInUse = 0;
    horizontalDilutionOfPrecision = 0.0;
    antennaAltitudeMeters = 0.0;
    geoidalSeparationMeters = 0.0;
    ageOfDifferentialGpsDataSeconds = 0.0;
    differentialReferenceStationId = 0;
}

bool GGA::Parse(const SENTENCE& s) {
    if (!BeginParse(s, 15)) return false;
    if (fixFieldsOnly_)
        time = s.Time(1);
    else
        ReadTime(s, 1);
    position.Parse(2, s);
    gpsQuality = s.Integer(6);
    numberOfSatellitesInUse = s.Integer(7);
    horizontalDilutionOfPrecision = ClampDilution(s.Double(8));
    antennaAltitudeMeters = s.Double(9);
    if (fixFieldsOnly_) return true;
    geoidalSeparationMeters = s.Double(11);
    ageOfDifferentialGpsDataSeconds = s.Double(13);
    differentialReferenceStationId = s.Integer(14);
    return true;
}

bool GGA::Write(SENTENCE& s) const {
    BeginWrite(s);
    s.AddText(utcTime);
    position.Write(s);
    s.AddInteger(gpsQuality).AddInteger(numberOfSatellitesInUse);
    s.AddDouble(horizontalDilutionOfPrecision);
    s.AddDouble(antennaAltitudeMeters).AddText(u"M");
    s.AddDouble(geoidalSeparationMeters).AddText(u"M");
    s.AddDouble(ageOfDifferentialGpsDataSeconds).AddInteger(differentialReferenceStationId);
    s.Finish();
    return true;
}

void GGA::AppendPlainEnglish(std::u16string& out) const {
    out += u"At ";
    nmea::AppendTimeText(out, utcTime);
    out += u" UTC, ";
    if (gpsQuality == 0) {
        out += u"there was no fix";
        return;
    }
    out += u"you were at ";
    nmea::AppendPosition(out, position);
    out += u", ";
    nmea::AppendInteger(out, numberOfSatellitesInUse);
    out += u" satellites in use, altitude ";
    nmea::AppendNumber(out, antennaAltitudeMeters, 1);
    out += u" metres";
}

}  // namespace rq
