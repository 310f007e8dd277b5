#include "nmea/decoders/TRF.h"

#include "geo/Unset.h"

namespace rq {

TRF::TRF() : RESPONSE(u"TRF") {
    Empty();
}

void TRF::Empty() {
    utcTime.clear();
    time = 0;
    date.clear();
    position.Empty();
    elevationAngle = 0.0;
    numberOfIterations = 0.0;
    numberOfDopplerIntervals = 0.0;
    updateDistanceNauticalMiles = 0.0;
    satelliteId = 0;
    isDataValid = NmeaBoolean::Unknown;
}

bool TRF::Parse(const SENTENCE& sentence) {
    if (!BeginParse(sentence, 13)) return false;
    ReadTime(sentence, 1);
    date.assign(sentence.Field(2));
    position.Parse(3, sentence);
    elevationAngle = sentence.Double(7);
    numberOfIterations = sentence.Double(8);
    numberOfDopplerIntervals = sentence.Double(9);
    updateDistanceNauticalMiles = sentence.Double(10);
    satelliteId = sentence.Integer(11);
    isDataValid = sentence.Boolean(12);
    return true;
}

bool TRF::Write(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    sentence.AddText(date);
    position.Write(sentence);
    sentence.AddDouble(elevationAngle);
    sentence.AddDouble(numberOfIterations);
    sentence.AddDouble(numberOfDopplerIntervals);
    sentence.AddDouble(updateDistanceNauticalMiles);
    sentence.AddInteger(satelliteId);
    sentence.Add(isDataValid);
    sentence.Finish();
    return true;
}

}  // namespace rq
