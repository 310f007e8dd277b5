#include "nmea/decoders/RPM.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

RPM::RPM() : RESPONSE(u"RPM") {
    Empty();
}

void RPM::Empty() {
    source.clear();
    sourceNumber = 0;
    revolutionsPerMinute = 0.0;
    propellerPitchPercent = 0.0;
    isDataValid = NmeaBoolean::Unknown;
}

bool RPM::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 6)) return false;
    source.assign(sentence.Field(1));
    sourceNumber = sentence.Integer(2);
    revolutionsPerMinute = sentence.Double(3);
    propellerPitchPercent = sentence.Double(4);
    isDataValid = sentence.Boolean(5);
    return true;
}

bool RPM::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(source);
    sentence.AddInteger(sourceNumber);
    sentence.AddDouble(revolutionsPerMinute);
    sentence.AddDouble(propellerPitchPercent);
    sentence.Add(isDataValid);
    sentence.Finish();
    return true;
}

void RPM::AppendPlainEnglish(std::u16string& out) const {
    AppendNumber(out, revolutionsPerMinute, 0);
    out += u" revolutions a minute";
}

}  // namespace rq
