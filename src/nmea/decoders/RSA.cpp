#include "nmea/decoders/RSA.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

RSA::RSA() : RESPONSE(u"RSA") {
    Empty();
}

void RSA::Empty() {
    starboard = 0.0;
    isStarboardDataValid = NmeaBoolean::Unknown;
    port = 0.0;
    isPortDataValid = NmeaBoolean::Unknown;
}

bool RSA::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 5)) return false;
    starboard = sentence.Double(1);
    isStarboardDataValid = sentence.Boolean(2);
    port = sentence.Double(3);
    isPortDataValid = sentence.Boolean(4);
    return true;
}

bool RSA::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(starboard);
    sentence.Add(isStarboardDataValid);
    sentence.AddDouble(port);
    sentence.Add(isPortDataValid);
    sentence.Finish();
    return true;
}

void RSA::AppendPlainEnglish(std::u16string& out) const {
    out += u"Rudder angle ";
    AppendNumber(out, starboard, 1);
    out += u" degrees";
}

}  // namespace rq
