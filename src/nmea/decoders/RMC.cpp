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
    const std::u16string_view t = s.Field(1);
    const std::u16string_view d = s.Field(9);
    isDataValid = s.Boolean(2);
    position.Parse(3, s);
    speedOverGroundKnots = s.Double(7);
    trackMadeGoodDegreesTrue = s.Double(8);
    if (!fixFieldsOnly_) {
        utcTime.assign(t);
        date.assign(d);
        magneticVariation = s.Double(10);
        magneticVariationDirection = s.EastOrWest(11);
    }

    // The 1980 time of field 1 is only needed without a usable date.
    bool dated = false;
    if (d.size() == 6) {
        platform::CalendarTime c;
        c.day = nmea::ScanPair(d.substr(0, 2));
        c.month = nmea::ScanPair(d.substr(2, 2));
        c.year = 2000 + nmea::ScanPair(d.substr(4, 2));
        if (t.size() >= 6) {
            c.hour = nmea::ScanPair(t.substr(0, 2));
            c.minute = nmea::ScanPair(t.substr(2, 2));
            c.second = nmea::ScanPair(t.substr(4, 2));
        } else {
            c.hour = c.minute = c.second = 0;
        }
        const platform::TimeValue value = LocalTimeOf(s, c, dated);
        if (dated) time = value;
    }
    if (!dated) time = s.Time(1);
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
