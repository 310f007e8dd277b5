#include "nmea/decoders/WNC.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

WNC::WNC() : RESPONSE(u"WNC") {
    Empty();
}

void WNC::Empty() {
    nauticalMiles = 0.0;
    kilometers = 0.0;
    to.clear();
    from.clear();
}

bool WNC::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 7)) return false;
    nauticalMiles = sentence.Double(1);
    kilometers = sentence.Double(3);
    to.assign(sentence.Field(5));
    from.assign(sentence.Field(6));
    return true;
}

bool WNC::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(nauticalMiles);
    sentence.AddText(u"N");
    sentence.AddDouble(kilometers);
    sentence.AddText(u"K");
    sentence.AddText(to);
    sentence.AddText(from);
    sentence.Finish();
    return true;
}

void WNC::AppendPlainEnglish(std::u16string& out) const {
    out += u"From ";
    out += from;
    out += u" to ";
    out += to;
    out += u" is ";
    AppendNumber(out, nauticalMiles, 1);
    out += u" nautical miles";
}

}  // namespace rq
