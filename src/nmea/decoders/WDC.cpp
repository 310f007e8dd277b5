#include "nmea/decoders/WDC.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

WDC::WDC() : RESPONSE(u"WDC") {
    Empty();
}

void WDC::Empty() {
    nauticalMiles = 0.0;
    to.clear();
}

bool WDC::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 4)) return false;
    nauticalMiles = sentence.Double(1);
    to.assign(sentence.Field(3));
    return true;
}

bool WDC::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(nauticalMiles);
    sentence.AddText(u"N");
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void WDC::AppendPlainEnglish(std::u16string& out) const {
    out += u"Waypoint ";
    out += to;
    out += u" is ";
    AppendNumber(out, nauticalMiles, 1);
    out += u" nautical miles away";
}

}  // namespace rq
