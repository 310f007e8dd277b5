#include "nmea/decoders/VPW.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

VPW::VPW() : RESPONSE(u"VPW") {
    Empty();
}

void VPW::Empty() {
    knots = 0.0;
    metersPerSecond = 0.0;
}

bool VPW::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 5)) return false;
    knots = sentence.Double(1);
    metersPerSecond = sentence.Double(3);
    return true;
}

bool VPW::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(knots);
    sentence.AddText(u"N");
    sentence.AddDouble(metersPerSecond);
    sentence.AddText(u"M");
    sentence.Finish();
    return true;
}

void VPW::AppendPlainEnglish(std::u16string& out) const {
    out += u"Speed parallel to the wind ";
    AppendNumber(out, knots, 1);
    out += u" knots";
}

}  // namespace rq
