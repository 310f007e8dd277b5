#include "nmea/decoders/GXP.h"

#include "geo/Unset.h"

namespace rq {

GXP::GXP() : RESPONSE(u"GXP") {
    Empty();
}

void GXP::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    waypointId.clear();
}

bool GXP::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 7)) return false;
    ReadTime(sentence, 1);
    position.Parse(2, sentence);
    waypointId.assign(sentence.Field(6));
    return true;
}

bool GXP::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    position.Write(sentence);
    sentence.AddText(waypointId);
    sentence.Finish();
    return true;
}

}  // namespace rq
