#include "nmea/decoders/TEP.h"

#include "geo/Unset.h"

namespace rq {

TEP::TEP() : RESPONSE(u"TEP") {
    Empty();
}

void TEP::Empty() {
    elevationDegrees = 0.0;
}

bool TEP::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 3)) return false;
    elevationDegrees = sentence.Double(1);
    return true;
}

bool TEP::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(elevationDegrees);
    sentence.AddText(u"D");
    sentence.Finish();
    return true;
}

}  // namespace rq
