#include "nmea/decoders/HDT.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

HDT::HDT() : RESPONSE(u"HDT") {
    Empty();
}

void HDT::Empty() {
    degreesTrue = 0.0;
}

bool HDT::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 3)) return false;
    degreesTrue = sentence.Double(1);
    return true;
}

bool HDT::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(degreesTrue);
    sentence.AddText(u"T");
    sentence.Finish();
    return true;
}

void HDT::AppendPlainEnglish(std::u16string& out) const {
    out += u"Heading ";
    AppendNumber(out, degreesTrue, 1);
    out += u" degrees true";
}

}  // namespace rq
