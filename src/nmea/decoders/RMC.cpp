#include "nmea/decoders/RMC.h"

#include "nmea/NumberScan.h"
#include "nmea/PlainText.h"
#include "nmea/decoders/TimeText.h"

namespace rq {

RMC::RMC() : RESPONSE(u"RMC") {
    Empty();
}

void RMC::Empty() {
    utcTime.clear();
    time = 0;
    isDataValid = NmeaBoolean::Unknown;
    position.Empty();
    speedOverGroundKnots = 0.0;
    trackMadeGoodDegreesTrue = 0.0;
    date.clear();
    magneticVariation = 0.0;
    magneticVariationDirection = EastWest::Unknown;
}

bool RMC::Parse(const SENTENCE& s) {
    if (!BeginParse(s, 12, true)) return false;
    ReadTime(s, 1);
    isDataValid = s.Boolean(2);
    position.Parse(3, s);
    speedOverGroundKnots = s.Double(7);
    trackMadeGoodDegreesTrue = s.Double(8);
    date.assign(s.Field(9));
    magneticVariation = s.Double(10);
    magneticVariationDirection = s.EastOrWest(11);

    if (date.size() == 6) {
        const std::u16string_view d = date;
        platform::CalendarTime c;
        c.day = nmea::ScanInteger(d.substr(0, 2));
        c.month = nmea::ScanInteger(d.substr(2, 2));
        c.year = 2000 + nmea::ScanInteger(d.substr(4, 2));
        const std::u16string_view t = utcTime;
        if (t.size() >= 6) {
            c.hour = nmea::ScanInteger(t.substr(0, 2));
            c.minute = nmea::ScanInteger(t.substr(2, 2));
            c.second = nmea::ScanInteger(t.substr(4, 2));
        } else {
            c.hour = c.minute = c.second = 0;
        }
        bool ok;
        const platform::TimeValue dated = LocalTimeOf(s, c, ok);
        if (ok) time = dated;
    }
    return true;
}

bool RMC::Write(SENTENCE& s) const {
    BeginWrite(s);
    s.AddText(utcTime).Add(isDataValid);
    position.Write(s);
    s.AddDouble(speedOverGroundKnots).AddDouble(trackMadeGoodDegreesTrue).AddText(date);
    s.AddDouble(magneticVariation).Add(magneticVariationDirection);
    s.Finish();
    return true;
}

void RMC::AppendPlainEnglish(std::u16string& out) const {
    out += u"At ";
    nmea::AppendTimeText(out, utcTime);
    out += u" UTC on ";
    out += date.empty() ? std::u16string_view(u"an unknown date") : std::u16string_view(date);
    out += isDataValid == NmeaBoolean::True ? u", you were at " : u", without a valid fix, at ";
    nmea::AppendPosition(out, position);
    out += u", making ";
    nmea::AppendNumber(out, speedOverGroundKnots, 1);
    out += u" knots, track ";
    nmea::AppendNumber(out, trackMadeGoodDegreesTrue, 1);
    out += u" degrees true";
}

}  // namespace rq
