#include "nmea/decoders/TTM.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

TTM::TTM() : RESPONSE(u"TTM") {
    Empty();
}

void TTM::Empty() {
    targetNumber = 0;
    targetDistance = 0.0;
    bearingFromOwnShip = 0.0;
    bearingUnits.clear();
    targetSpeed = 0.0;
    targetCourse = 0.0;
    targetCourseUnits.clear();
    distanceOfClosestPointOfApproach = 0.0;
    numberOfMinutesToClosestPointOfApproach = 0.0;
    distanceUnits.clear();
    targetName.clear();
    targetStatus.clear();
    referenceTarget.clear();
}

bool TTM::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 14)) return false;
    targetNumber = sentence.Integer(1);
    targetDistance = sentence.Double(2);
    bearingFromOwnShip = sentence.Double(3);
    bearingUnits.assign(sentence.Field(4));
    targetSpeed = sentence.Double(5);
    targetCourse = sentence.Double(6);
    targetCourseUnits.assign(sentence.Field(7));
    distanceOfClosestPointOfApproach = sentence.Double(8);
    numberOfMinutesToClosestPointOfApproach = sentence.Double(9);
    distanceUnits.assign(sentence.Field(10));
    targetName.assign(sentence.Field(11));
    targetStatus.assign(sentence.Field(12));
    referenceTarget.assign(sentence.Field(13));
    return true;
}

bool TTM::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddInteger(targetNumber);
    sentence.AddDouble(targetDistance);
    sentence.AddDouble(bearingFromOwnShip);
    sentence.AddText(bearingUnits);
    sentence.AddDouble(targetSpeed);
    sentence.AddDouble(targetCourse);
    sentence.AddText(targetCourseUnits);
    sentence.AddDouble(distanceOfClosestPointOfApproach);
    sentence.AddDouble(numberOfMinutesToClosestPointOfApproach);
    sentence.AddText(distanceUnits);
    sentence.AddText(targetName);
    sentence.AddText(targetStatus);
    sentence.AddText(referenceTarget);
    sentence.Finish();
    return true;
}

void TTM::AppendPlainEnglish(std::u16string& out) const {
    out += u"Target ";
    AppendInteger(out, targetNumber);
    out += u" at ";
    AppendNumber(out, targetDistance, 1);
    out += u", bearing ";
    AppendNumber(out, bearingFromOwnShip, 1);
    out += u" degrees";
}

}  // namespace rq
