#include "nmea/decoders/WCV.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

WCV::WCV() : RESPONSE(u"WCV") {
    Empty();
}

void WCV::Empty() {
    velocity = 0.0;
    to.clear();
}

bool WCV::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    velocity = sentence.Double(1);
    to.assign(sentence.Field(3));
    return true;
}

bool WCV::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(velocity);
    sentence.AddText(u"N");
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void WCV::AppendPlainEnglish(std::u16string& out) const {
    out += u"Closing on ";
    out += to;
    out += u" at ";
    AppendNumber(out, velocity, 1);
    out += u" knots";
}

}  // namespace rq
