#include "nmea/decoders/BWW.h"

#include "geo/Unset.h"

namespace rq {

BWW::BWW() : RESPONSE(u"BWW") {
    Empty();
}

void BWW::Empty() {
    bearingTrue = 0.0;
    bearingMagnetic = 0.0;
    to.clear();
    from.clear();
}

bool BWW::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 7)) return false;
    bearingTrue = sentence.Double(1);
    bearingMagnetic = sentence.Double(3);
    to.assign(sentence.Field(5));
    from.assign(sentence.Field(6));
    return true;
}

bool BWW::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(bearingTrue);
    sentence.AddText(u"T");
    sentence.AddDouble(bearingMagnetic);
    sentence.AddText(u"M");
    sentence.AddText(to);
    sentence.AddText(from);
    sentence.Finish();
    return true;
}

}  // namespace rq
