#include "nmea/decoders/VDR.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

VDR::VDR() : RESPONSE(u"VDR") {
    Empty();
}

void VDR::Empty() {
    degreesTrue = 0.0;
    degreesMagnetic = 0.0;
    knots = 0.0;
}

bool VDR::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 7)) return false;
    degreesTrue = sentence.Double(1);
    degreesMagnetic = sentence.Double(3);
    knots = sentence.Double(5);
    return true;
}

bool VDR::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(degreesTrue);
    sentence.AddText(u"T");
    sentence.AddDouble(degreesMagnetic);
    sentence.AddText(u"M");
    sentence.AddDouble(knots);
    sentence.AddText(u"N");
    sentence.Finish();
    return true;
}

void VDR::AppendPlainEnglish(std::u16string& out) const {
    out += u"Set ";
    AppendNumber(out, degreesTrue, 1);
    out += u" degrees true, drift ";
    AppendNumber(out, knots, 1);
    out += u" knots";
}

}  // namespace rq
