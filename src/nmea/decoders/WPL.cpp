#include "nmea/decoders/WPL.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

WPL::WPL() : RESPONSE(u"WPL") {
    Empty();
}

void WPL::Empty() {
    position.Empty();
    to.clear();
}

bool WPL::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 6)) return false;
    position.Parse(1, sentence);
    to.assign(sentence.Field(5));
    return true;
}

bool WPL::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    position.Write(sentence);
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void WPL::AppendPlainEnglish(std::u16string& out) const {
    out += u"Waypoint ";
    out += to;
}

}  // namespace rq
