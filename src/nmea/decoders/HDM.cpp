#include "nmea/decoders/HDM.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

HDM::HDM() : RESPONSE(u"HDM") {
    Empty();
}

void HDM::Empty() {
    degreesMagnetic = 0.0;
}

bool HDM::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 3)) return false;
    degreesMagnetic = sentence.Double(1);
    return true;
}

bool HDM::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(degreesMagnetic);
    sentence.AddText(u"M");
    sentence.Finish();
    return true;
}

void HDM::AppendPlainEnglish(std::u16string& out) const {
    out += u"Heading ";
    AppendNumber(out, degreesMagnetic, 1);
    out += u" degrees magnetic";
}

}  // namespace rq
