#include "nmea/decoders/HCC.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

HCC::HCC() : RESPONSE(u"HCC") {
    Empty();
}

void HCC::Empty() {
    headingDegrees = 0.0;
}

bool HCC::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 2)) return false;
    headingDegrees = sentence.Double(1);
    return true;
}

bool HCC::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(headingDegrees);
    sentence.Finish();
    return true;
}

void HCC::AppendPlainEnglish(std::u16string& out) const {
    out += u"Compass heading ";
    AppendNumber(out, headingDegrees, 1);
    out += u" degrees";
}

}  // namespace rq
