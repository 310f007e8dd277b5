#include "nmea/decoders/XTR.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

XTR::XTR() : RESPONSE(u"XTR") {
    Empty();
}

void XTR::Empty() {
    magnitude = 0.0;
    directionToSteer = LeftRight::Unknown;
}

bool XTR::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    magnitude = sentence.Double(1);
    directionToSteer = sentence.LeftOrRight(2);
    return true;
}

bool XTR::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(magnitude);
    sentence.Add(directionToSteer);
    sentence.AddText(u"N");
    sentence.Finish();
    return true;
}

void XTR::AppendPlainEnglish(std::u16string& out) const {
    out += u"Cross-track error ";
    AppendNumber(out, magnitude, 2);
    out += u" nautical miles";
}

}  // namespace rq
