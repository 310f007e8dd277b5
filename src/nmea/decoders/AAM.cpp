#include "nmea/decoders/AAM.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

AAM::AAM() : RESPONSE(u"AAM") {
    Empty();
}

void AAM::Empty() {
    arrivalCircleEntered = NmeaBoolean::Unknown;
    perpendicularPassed = NmeaBoolean::Unknown;
    circleRadius = 0.0;
    waypointId.clear();
}

bool AAM::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 6)) return false;
    arrivalCircleEntered = sentence.Boolean(1);
    perpendicularPassed = sentence.Boolean(2);
    circleRadius = sentence.Double(3);
    waypointId.assign(sentence.Field(5));
    return true;
}

bool AAM::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.Add(arrivalCircleEntered);
    sentence.Add(perpendicularPassed);
    sentence.AddDouble(circleRadius);
    sentence.AddText(u"N");
    sentence.AddText(waypointId);
    sentence.Finish();
    return true;
}

void AAM::AppendPlainEnglish(std::u16string& out) const {
    out += u"Arrival circle ";
    out += arrivalCircleEntered == NmeaBoolean::True ? u"entered" : u"not entered";
    out += u" at waypoint ";
    out += waypointId;
}

}  // namespace rq
