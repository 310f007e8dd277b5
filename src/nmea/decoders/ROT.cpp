#include "nmea/decoders/ROT.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

ROT::ROT() : RESPONSE(u"ROT") {
    Empty();
}

void ROT::Empty() {
    rateOfTurn = 0.0;
    isDataValid = NmeaBoolean::Unknown;
}

bool ROT::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 3)) return false;
    rateOfTurn = sentence.Double(1);
    isDataValid = sentence.Boolean(2);
    return true;
}

bool ROT::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(rateOfTurn);
    sentence.Add(isDataValid);
    sentence.Finish();
    return true;
}

void ROT::AppendPlainEnglish(std::u16string& out) const {
    out += u"Turning ";
    AppendNumber(out, rateOfTurn, 1);
    out += u" degrees a minute";
}

}  // namespace rq
