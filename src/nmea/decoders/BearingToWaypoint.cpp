#include "nmea/decoders/BearingToWaypoint.h"

#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendNumber;

void BEARING_TO_WAYPOINT::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    bearingTrue = 0.0;
    bearingMagnetic = 0.0;
    distanceNauticalMiles = 0.0;
    to.clear();
}

bool BEARING_TO_WAYPOINT::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 13)) return false;
    ReadTime(sentence, 1);
    position.Parse(2, sentence);
    bearingTrue = sentence.Double(6);
    bearingMagnetic = sentence.Double(8);
    distanceNauticalMiles = sentence.Double(10);
    to.assign(sentence.Field(12));
    return true;
}

bool BEARING_TO_WAYPOINT::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    position.Write(sentence);
    sentence.AddDouble(bearingTrue);
    sentence.AddText(u"T");
    sentence.AddDouble(bearingMagnetic);
    sentence.AddText(u"M");
    sentence.AddDouble(distanceNauticalMiles);
    sentence.AddText(u"N");
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void BEARING_TO_WAYPOINT::AppendDistance(std::u16string& out) const {
    out += u"Waypoint ";
    out += to;
    out += u" is ";
    AppendNumber(out, distanceNauticalMiles, 1);
    out += u" nautical miles away";
}

void BEARING_TO_WAYPOINT::AppendPlainEnglish(std::u16string& out) const {
    AppendDistance(out);
    out += u" at ";
    AppendNumber(out, bearingTrue, 1);
    out += u" degrees true";
}

}  // namespace rq
