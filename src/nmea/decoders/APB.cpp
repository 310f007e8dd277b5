#include "nmea/decoders/APB.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

APB::APB() : RESPONSE(u"APB") {
    Empty();
}

void APB::Empty() {
    isLoranBlinkOk = NmeaBoolean::Unknown;
    isLoranCCycleLockOk = NmeaBoolean::Unknown;
    crossTrackErrorMagnitude = 0.0;
    directionToSteer = LeftRight::Unknown;
    crossTrackUnits.clear();
    isArrivalCircleEntered = NmeaBoolean::Unknown;
    isPerpendicular = NmeaBoolean::Unknown;
    bearingOriginToDestination = 0.0;
    bearingOriginToDestinationUnits.clear();
    toWaypointName.clear();
    bearingPresentPositionToDestination = 0.0;
    bearingPresentPositionToDestinationUnits.clear();
    headingToSteer = 0.0;
    headingToSteerUnits.clear();
}

bool APB::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 15)) return false;
    isLoranBlinkOk = sentence.Boolean(1);
    isLoranCCycleLockOk = sentence.Boolean(2);
    crossTrackErrorMagnitude = sentence.Double(3);
    directionToSteer = sentence.LeftOrRight(4);
    crossTrackUnits.assign(sentence.Field(5));
    isArrivalCircleEntered = sentence.Boolean(6);
    isPerpendicular = sentence.Boolean(7);
    bearingOriginToDestination = sentence.Double(8);
    bearingOriginToDestinationUnits.assign(sentence.Field(9));
    toWaypointName.assign(sentence.Field(10));
    bearingPresentPositionToDestination = sentence.Double(11);
    bearingPresentPositionToDestinationUnits.assign(sentence.Field(12));
    headingToSteer = sentence.Double(13);
    headingToSteerUnits.assign(sentence.Field(14));
    return true;
}

bool APB::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.Add(isLoranBlinkOk);
    sentence.Add(isLoranCCycleLockOk);
    sentence.AddDouble(crossTrackErrorMagnitude);
    sentence.Add(directionToSteer);
    sentence.AddText(crossTrackUnits);
    sentence.Add(isArrivalCircleEntered);
    sentence.Add(isPerpendicular);
    sentence.AddDouble(bearingOriginToDestination);
    sentence.AddText(bearingOriginToDestinationUnits);
    sentence.AddText(toWaypointName);
    sentence.AddDouble(bearingPresentPositionToDestination);
    sentence.AddText(bearingPresentPositionToDestinationUnits);
    sentence.AddDouble(headingToSteer);
    sentence.AddText(headingToSteerUnits);
    sentence.Finish();
    return true;
}

void APB::AppendPlainEnglish(std::u16string& out) const {
    out += u"Steer ";
    out += directionToSteer == LeftRight::Left ? u"left" : u"right";
    out += u" to ";
    out += toWaypointName;
    out += u", heading ";
    AppendNumber(out, headingToSteer, 0);
}

}  // namespace rq
