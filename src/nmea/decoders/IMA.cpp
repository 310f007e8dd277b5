#include "nmea/decoders/IMA.h"

#include "geo/Unset.h"

namespace rq {

IMA::IMA() : RESPONSE(u"IMA") {
    Empty();
}

void IMA::Empty() {
    vesselName.clear();
    callSign.clear();
    position.Empty();
    headingDegreesTrue = 0.0;
    headingDegreesMagnetic = 0.0;
    speedKnots = 0.0;
}

bool IMA::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 13)) return false;
    vesselName.assign(sentence.Field(1));
    callSign.assign(sentence.Field(2));
    position.Parse(3, sentence);
    headingDegreesTrue = sentence.Double(7);
    headingDegreesMagnetic = sentence.Double(9);
    speedKnots = sentence.Double(11);
    return true;
}

bool IMA::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(vesselName);
    sentence.AddText(callSign);
    position.Write(sentence);
    sentence.AddDouble(headingDegreesTrue);
    sentence.AddText(u"T");
    sentence.AddDouble(headingDegreesMagnetic);
    sentence.AddText(u"M");
    sentence.AddDouble(speedKnots);
    sentence.AddText(u"N");
    sentence.Finish();
    return true;
}

}  // namespace rq
