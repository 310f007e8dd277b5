#include "nmea/decoders/VBW.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

VBW::VBW() : RESPONSE(u"VBW") {
    Empty();
}

void VBW::Empty() {
    longitudinalWaterSpeed = 0.0;
    transverseWaterSpeed = 0.0;
    isWaterSpeedValid = NmeaBoolean::Unknown;
    longitudinalGroundSpeed = 0.0;
    transverseGroundSpeed = 0.0;
    isGroundSpeedValid = NmeaBoolean::Unknown;
}

bool VBW::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 7)) return false;
    longitudinalWaterSpeed = sentence.Double(1);
    transverseWaterSpeed = sentence.Double(2);
    isWaterSpeedValid = sentence.Boolean(3);
    longitudinalGroundSpeed = sentence.Double(4);
    transverseGroundSpeed = sentence.Double(5);
    isGroundSpeedValid = sentence.Boolean(6);
    return true;
}

bool VBW::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(longitudinalWaterSpeed);
    sentence.AddDouble(transverseWaterSpeed);
    sentence.Add(isWaterSpeedValid);
    sentence.AddDouble(longitudinalGroundSpeed);
    sentence.AddDouble(transverseGroundSpeed);
    sentence.Add(isGroundSpeedValid);
    sentence.Finish();
    return true;
}

void VBW::AppendPlainEnglish(std::u16string& out) const {
    out += u"Water speed ";
    AppendNumber(out, longitudinalWaterSpeed, 1);
    out += u" knots, ground speed ";
    AppendNumber(out, longitudinalGroundSpeed, 1);
    out += u" knots";
}

}  // namespace rq
