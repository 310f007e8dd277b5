#include "nmea/decoders/MTA.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

MTA::MTA() : RESPONSE(u"MTA") {
    Empty();
}

void MTA::Empty() {
    temperature = 0.0;
}

bool MTA::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 3)) return false;
    temperature = sentence.Double(1);
    return true;
}

bool MTA::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(temperature);
    sentence.AddText(u"C");
    sentence.Finish();
    return true;
}

void MTA::AppendPlainEnglish(std::u16string& out) const {
    out += u"Air temperature ";
    AppendNumber(out, temperature, 1);
    out += u" degrees Celsius";
}

}  // namespace rq
