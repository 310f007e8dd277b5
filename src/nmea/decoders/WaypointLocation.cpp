#include "nmea/decoders/WaypointLocation.h"

namespace rq {

void WAYPOINT_LOCATION::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    waypoint.clear();
}

bool WAYPOINT_LOCATION::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 7)) return false;
    ReadTime(sentence, 1);
    position.Parse(2, sentence);
    waypoint.assign(sentence.Field(6));
    return true;
}

bool WAYPOINT_LOCATION::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    position.Write(sentence);
    sentence.AddText(waypoint);
    sentence.Finish();
    return true;
}

void WAYPOINT_LOCATION::AppendPlainEnglish(std::u16string& out) const {
    out += u"Waypoint ";
    out += waypoint;
}

}  // namespace rq
