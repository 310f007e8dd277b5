#include "nmea/decoders/BEC.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

BEC::BEC() : RESPONSE(u"BEC") {
    Empty();
}

void BEC::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    bearingTrue = 0.0;
    bearingMagnetic = 0.0;
    distanceNauticalMiles = 0.0;
    to.clear();
}

bool BEC::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 13)) return false;
    ReadTime(sentence, 1);
    position.Parse(2, sentence);
    bearingTrue = sentence.Double(6);
    bearingMagnetic = sentence.Double(8);
    distanceNauticalMiles = sentence.Double(10);
    to.assign(sentence.Field(12));
    return true;
}

bool BEC::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    position.Write(sentence);
    sentence.AddDouble(bearingTrue);
    sentence.AddText(u"T");
    sentence.AddDouble(bearingMagnetic);
    sentence.AddText(u"M");
    sentence.AddDouble(distanceNauticalMiles);
    sentence.AddText(u"N");
    sentence.AddText(to);
    sentence.Finish();
    return true;
}

void BEC::AppendPlainEnglish(std::u16string& out) const {
    out += u"Waypoint ";
    out += to;
    out += u" is ";
    AppendNumber(out, distanceNauticalMiles, 1);
    out += u" nautical miles away";
}

}  // namespace rq
