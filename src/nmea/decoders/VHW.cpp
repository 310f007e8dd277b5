#include "nmea/decoders/VHW.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

VHW::VHW() : RESPONSE(u"VHW") {
    Empty();
}

void VHW::Empty() {
    degreesTrue = 0.0;
    degreesMagnetic = 0.0;
    knots = 0.0;
    kilometersPerHour = 0.0;
}

bool VHW::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 9)) return false;
    degreesTrue = sentence.Double(1);
    degreesMagnetic = sentence.Double(3);
    knots = sentence.Double(5);
    kilometersPerHour = sentence.Double(7);
    return true;
}

bool VHW::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(degreesTrue);
    sentence.AddText(u"T");
    sentence.AddDouble(degreesMagnetic);
    sentence.AddText(u"M");
    sentence.AddDouble(knots);
    sentence.AddText(u"N");
    sentence.AddDouble(kilometersPerHour);
    sentence.AddText(u"K");
    sentence.Finish();
    return true;
}

void VHW::AppendPlainEnglish(std::u16string& out) const {
    out += u"Speed through the water ";
    AppendNumber(out, knots, 2);
    out += u" knots";
}

}  // namespace rq
