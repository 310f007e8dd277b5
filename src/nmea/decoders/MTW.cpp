#include "nmea/decoders/MTW.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

MTW::MTW() : RESPONSE(u"MTW") {
    Empty();
}

void MTW::Empty() {
    temperature = 0.0;
}

bool MTW::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 3)) return false;
    temperature = sentence.Double(1);
    return true;
}

bool MTW::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(temperature);
    sentence.AddText(u"C");
    sentence.Finish();
    return true;
}

void MTW::AppendPlainEnglish(std::u16string& out) const {
    out += u"Water temperature ";
    AppendNumber(out, temperature, 1);
    out += u" degrees Celsius";
}

}  // namespace rq
