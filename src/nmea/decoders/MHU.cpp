#include "nmea/decoders/MHU.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

MHU::MHU() : RESPONSE(u"MHU") {
    Empty();
}

void MHU::Empty() {
    relativeHumidityPercent = 0.0;
    absoluteHumidityPercent = 0.0;
    dewPointDegreesCelsius = 0.0;
}

bool MHU::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 5)) return false;
    relativeHumidityPercent = sentence.Double(1);
    absoluteHumidityPercent = sentence.Double(2);
    dewPointDegreesCelsius = sentence.Double(3);
    return true;
}

bool MHU::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(relativeHumidityPercent);
    sentence.AddDouble(absoluteHumidityPercent);
    sentence.AddDouble(dewPointDegreesCelsius);
    sentence.AddText(u"C");
    sentence.Finish();
    return true;
}

void MHU::AppendPlainEnglish(std::u16string& out) const {
    out += u"Relative humidity ";
    AppendNumber(out, relativeHumidityPercent, 1);
    out += u" percent";
}

}  // namespace rq
