#include "nmea/decoders/LCD.h"

#include "geo/Unset.h"

namespace rq {

LCD::LCD() : RESPONSE(u"LCD") {
    Empty();
}

void LCD::Empty() {
    groupRepetitionInterval = 0;
    master.Empty();
    secondary1.Empty();
    secondary2.Empty();
    secondary3.Empty();
    secondary4.Empty();
    secondary5.Empty();
}

bool LCD::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 14)) return false;
    groupRepetitionInterval = sentence.Integer(1);
    master.Parse(2, sentence);
    secondary1.Parse(4, sentence);
    secondary2.Parse(6, sentence);
    secondary3.Parse(8, sentence);
    secondary4.Parse(10, sentence);
    secondary5.Parse(12, sentence);
    return true;
}

bool LCD::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddInteger(groupRepetitionInterval);
    master.Write(sentence);
    secondary1.Write(sentence);
    secondary2.Write(sentence);
    secondary3.Write(sentence);
    secondary4.Write(sentence);
    secondary5.Write(sentence);
    sentence.Finish();
    return true;
}

}  // namespace rq
