#include "nmea/decoders/RMB.h"

#include "geo/Unset.h"
#include "nmea/PlainText.h"

namespace rq {

using nmea::AppendInteger;
using nmea::AppendNumber;

RMB::RMB() : RESPONSE(u"RMB") {
    Empty();
}

void RMB::Empty() {
    isDataValid = NmeaBoolean::Unknown;
    crossTrackError = 0.0;
    directionToSteer = LeftRight::Unknown;
    from.clear();
    to.clear();
    destinationPosition.Empty();
    rangeToDestinationNauticalMiles = 0.0;
    bearingToDestinationDegreesTrue = 0.0;
    destinationClosingVelocityKnots = 0.0;
    isArrivalCircleEntered = NmeaBoolean::Unknown;
}

bool RMB::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 14, true)) return false;
    isDataValid = sentence.Boolean(1);
    crossTrackError = sentence.Double(2);
    directionToSteer = sentence.LeftOrRight(3);
    from.assign(sentence.Field(4));
    to.assign(sentence.Field(5));
    destinationPosition.Parse(6, sentence);
    rangeToDestinationNauticalMiles = sentence.Double(10);
    bearingToDestinationDegreesTrue = sentence.Double(11);
    destinationClosingVelocityKnots = sentence.Double(12);
    isArrivalCircleEntered = sentence.Boolean(13);
    return true;
}

bool RMB::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.Add(isDataValid);
    sentence.AddDouble(crossTrackError);
    sentence.Add(directionToSteer);
    sentence.AddText(from);
    sentence.AddText(to);
    destinationPosition.Write(sentence);
    sentence.AddDouble(rangeToDestinationNauticalMiles);
    sentence.AddDouble(bearingToDestinationDegreesTrue);
    sentence.AddDouble(destinationClosingVelocityKnots);
    sentence.Add(isArrivalCircleEntered);
    sentence.Finish();
    return true;
}

void RMB::AppendPlainEnglish(std::u16string& out) const {
    out += u"Waypoint ";
    out += to;
    out += u" is ";
    AppendNumber(out, rangeToDestinationNauticalMiles, 1);
    out += u" nautical miles away at ";
    AppendNumber(out, bearingToDestinationDegreesTrue, 1);
    out += u" degrees true";
}

}  // namespace rq
