#include "nmea/decoders/HSC.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

HSC::HSC() : RESPONSE(u"HSC") {
    Empty();
}

void HSC::Empty() {
    degreesTrue = 0.0;
    degreesMagnetic = 0.0;
}

bool HSC::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 5)) return false;
    degreesTrue = sentence.Double(1);
    degreesMagnetic = sentence.Double(3);
    return true;
}

bool HSC::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(degreesTrue);
    sentence.AddText(u"T");
    sentence.AddDouble(degreesMagnetic);
    sentence.AddText(u"M");
    sentence.Finish();
    return true;
}

void HSC::AppendPlainEnglish(std::u16string& out) const {
    out += u"Steer ";
    AppendNumber(out, degreesTrue, 1);
    out += u" degrees true";
}

}  // namespace rq
