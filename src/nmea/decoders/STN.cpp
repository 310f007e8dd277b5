#include "nmea/decoders/STN.h"

#include "geo/Unset.h"

namespace rq {

STN::STN() : RESPONSE(u"STN") {
    Empty();
}

void STN::Empty() {
    talkerIdNumber = 0;
}

bool STN::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 2)) return false;
    talkerIdNumber = sentence.Integer(1);
    return true;
}

bool STN::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddInteger(talkerIdNumber);
    sentence.Finish();
    return true;
}

}  // namespace rq
