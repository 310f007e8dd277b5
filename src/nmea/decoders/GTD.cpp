#include "nmea/decoders/GTD.h"

#include "geo/Unset.h"

namespace rq {

GTD::GTD() : RESPONSE(u"GTD") {
    Empty();
}

void GTD::Empty() {
    for (double& value : timeDifference) value = 0.0;
}

bool GTD::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 6)) return false;
    for (int i = 0; i < 5; ++i) timeDifference[i] = sentence.Double(1 + i);
    return true;
}

bool GTD::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    for (double value : timeDifference) sentence.AddDouble(value);
    sentence.Finish();
    return true;
}

}  // namespace rq
