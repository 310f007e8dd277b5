#include "nmea/decoders/MWV.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

MWV::MWV() : RESPONSE(u"MWV") {
    Empty();
}

void MWV::Empty() {
    windAngle = 0.0;
    reference.clear();
    windSpeed = 0.0;
    windSpeedUnits.clear();
    isDataValid = NmeaBoolean::Unknown;
}

bool MWV::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 6)) return false;
    windAngle = sentence.Double(1);
    reference.assign(sentence.Field(2));
    windSpeed = sentence.Double(3);
    windSpeedUnits.assign(sentence.Field(4));
    isDataValid = sentence.Boolean(5);
    return true;
}

bool MWV::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(windAngle);
    sentence.AddText(reference);
    sentence.AddDouble(windSpeed);
    sentence.AddText(windSpeedUnits);
    sentence.Add(isDataValid);
    sentence.Finish();
    return true;
}

void MWV::AppendPlainEnglish(std::u16string& out) const {
    out += u"Wind angle ";
    AppendNumber(out, windAngle, 1);
    out += u" degrees, speed ";
    AppendNumber(out, windSpeed, 1);
}

}  // namespace rq
