#include "nmea/decoders/GXF.h"

#include "geo/Unset.h"

namespace rq {

GXF::GXF() : RESPONSE(u"GXF") {
    Empty();
}

void GXF::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    waypointId.clear();
    satelliteNumber = 0;
}

bool GXF::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 8)) return false;
    ReadTime(sentence, 1);
    position.Parse(2, sentence);
    waypointId.assign(sentence.Field(6));
    satelliteNumber = sentence.Integer(7);
    return true;
}

bool GXF::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    position.Write(sentence);
    sentence.AddText(waypointId);
    sentence.AddInteger(satelliteNumber);
    sentence.Finish();
    return true;
}

}  // namespace rq
