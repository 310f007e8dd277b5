#include "nmea/decoders/VLW.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

VLW::VLW() : RESPONSE(u"VLW") {
    Empty();
}

void VLW::Empty() {
    totalDistanceNauticalMiles = 0.0;
    distanceSinceResetNauticalMiles = 0.0;
}

bool VLW::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 5)) return false;
    totalDistanceNauticalMiles = sentence.Double(1);
    distanceSinceResetNauticalMiles = sentence.Double(3);
    return true;
}

bool VLW::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddDouble(totalDistanceNauticalMiles);
    sentence.AddText(u"N");
    sentence.AddDouble(distanceSinceResetNauticalMiles);
    sentence.AddText(u"N");
    sentence.Finish();
    return true;
}

void VLW::AppendPlainEnglish(std::u16string& out) const {
    out += u"Total distance ";
    AppendNumber(out, totalDistanceNauticalMiles, 1);
    out += u" nautical miles";
}

}  // namespace rq
