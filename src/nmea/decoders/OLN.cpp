#include "nmea/decoders/OLN.h"

#include "geo/Unset.h"

namespace rq {

OLN::OLN() : RESPONSE(u"OLN") {
    Empty();
}

void OLN::Empty() {
    pair1.Empty();
    pair2.Empty();
    pair3.Empty();
}

bool OLN::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 10)) return false;
    pair1.Parse(1, sentence);
    pair2.Parse(4, sentence);
    pair3.Parse(7, sentence);
    return true;
}

bool OLN::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    pair1.Write(sentence);
    pair2.Write(sentence);
    pair3.Write(sentence);
    sentence.Finish();
    return true;
}

}  // namespace rq
