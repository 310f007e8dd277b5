#include "nmea/decoders/RSD.h"

#include "geo/Unset.h"

namespace rq {

RSD::RSD() : RESPONSE(u"RSD") {
    Empty();
}

void RSD::Empty() {
    origin1.Empty();
    origin2.Empty();
    cursorRange = 0.0;
    cursorBearing = 0.0;
    rangeScale = 0.0;
    rangeUnits.clear();
    displayRotation.clear();
}

bool RSD::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 14)) return false;
    origin1.Parse(1, sentence);
    origin2.Parse(5, sentence);
    cursorRange = sentence.Double(9);
    cursorBearing = sentence.Double(10);
    rangeScale = sentence.Double(11);
    rangeUnits.assign(sentence.Field(12));
    displayRotation.assign(sentence.Field(13));
    return true;
}

bool RSD::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    origin1.Write(sentence);
    origin2.Write(sentence);
    sentence.AddDouble(cursorRange);
    sentence.AddDouble(cursorBearing);
    sentence.AddDouble(rangeScale);
    sentence.AddText(rangeUnits);
    sentence.AddText(displayRotation);
    sentence.Finish();
    return true;
}

}  // namespace rq
