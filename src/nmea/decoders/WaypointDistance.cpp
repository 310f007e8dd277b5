#include "nmea/decoders/WaypointDistance.h"

#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendNumber;

void WAYPOINT_DISTANCE::Empty() {
    nauticalMiles = 0.0;
    to.clear();
}

bool WAYPOINT_DISTANCE::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    nauticalMiles = sentence.Double(1);
    to.assign(sentence.Field(3));
    return true;
}

bool WAYPOINT_DISTANCE::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(nauticalMiles);
    sentence.AddText(u"N");
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void WAYPOINT_DISTANCE::AppendPlainEnglish(std::u16string& out) const {
    out += u"Waypoint ";
    out += to;
    out += u" is ";
    AppendNumber(out, nauticalMiles, 1);
    out += u" nautical miles away";
}

}  // namespace rq
