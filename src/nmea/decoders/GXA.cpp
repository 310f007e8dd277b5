#include "nmea/decoders/GXA.h"

#include "geo/Unset.h"

namespace rq {

GXA::GXA() : RESPONSE(u"GXA") {
    Empty();
}

void GXA::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    waypointId.clear();
    satelliteNumber = 0;
}

bool GXA::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 8)) return false;
    ReadTime(sentence, 1);
    position.Parse(2, sentence);
    waypointId.assign(sentence.Field(6));
    satelliteNumber = sentence.Integer(7);
    return true;
}

bool GXA::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    position.Write(sentence);
    sentence.AddText(waypointId);
    sentence.AddInteger(satelliteNumber);
    sentence.Finish();
    return true;
}

}  // namespace rq
