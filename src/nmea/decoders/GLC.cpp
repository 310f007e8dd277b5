#include "nmea/decoders/GLC.h"

#include "geo/Unset.h"

namespace rq {

GLC::GLC() : RESPONSE(u"GLC") {
    Empty();
}

void GLC::Empty() {
    groupRepetitionInterval = 0;
    master.Empty();
    timeDifference1.Empty();
    timeDifference2.Empty();
    timeDifference3.Empty();
    timeDifference4.Empty();
    timeDifference5.Empty();
}

bool GLC::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 14)) return false;
    groupRepetitionInterval = sentence.Integer(1);
    master.Parse(2, sentence);
    timeDifference1.Parse(4, sentence);
    timeDifference2.Parse(6, sentence);
    timeDifference3.Parse(8, sentence);
    timeDifference4.Parse(10, sentence);
    timeDifference5.Parse(12, sentence);
    return true;
}

bool GLC::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddInteger(groupRepetitionInterval);
    master.Write(sentence);
    timeDifference1.Write(sentence);
    timeDifference2.Write(sentence);
    timeDifference3.Write(sentence);
    timeDifference4.Write(sentence);
    timeDifference5.Write(sentence);
    sentence.Finish();
    return true;
}

}  // namespace rq
