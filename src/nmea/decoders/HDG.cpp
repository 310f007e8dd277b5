#include "nmea/decoders/HDG.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

HDG::HDG() : RESPONSE(u"HDG") {
    Empty();
}

void HDG::Empty() {
    magneticSensorHeadingDegrees = 0.0;
    magneticDeviationDegrees = 0.0;
    magneticDeviationDirection = EastWest::Unknown;
    magneticVariationDegrees = 0.0;
    magneticVariationDirection = EastWest::Unknown;
}

bool HDG::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 6)) return false;
    magneticSensorHeadingDegrees = sentence.Double(1);
    magneticDeviationDegrees = sentence.Double(2);
    magneticDeviationDirection = sentence.EastOrWest(3);
    magneticVariationDegrees = sentence.Double(4);
    magneticVariationDirection = sentence.EastOrWest(5);
    return true;
}

bool HDG::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(magneticSensorHeadingDegrees);
    sentence.AddDouble(magneticDeviationDegrees);
    sentence.Add(magneticDeviationDirection);
    sentence.AddDouble(magneticVariationDegrees);
    sentence.Add(magneticVariationDirection);
    sentence.Finish();
    return true;
}

void HDG::AppendPlainEnglish(std::u16string& out) const {
    out += u"Magnetic heading ";
    AppendNumber(out, magneticSensorHeadingDegrees, 1);
    out += u" degrees";
}

}  // namespace rq
