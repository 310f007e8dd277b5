#include "nmea/decoders/TransitPosition.h"

namespace rq {

void TRANSIT_POSITION::Empty() {
    utcTime.clear();
    time = 0;
    position.Empty();
    waypointId.clear();
}

bool TRANSIT_POSITION::ParsePosition(const SENTENCE& sentence, int checksumField) {
    if (!BeginParse(sentence, checksumField)) return false;
    ReadTime(sentence, 1);
    position.Parse(2, sentence);
    waypointId.assign(sentence.Field(6));
    return true;
}

void TRANSIT_POSITION::WritePosition(SENTENCE& sentence) const {
    BeginWrite(sentence);
    sentence.AddText(utcTime);
    position.Write(sentence);
    sentence.AddText(waypointId);
}

bool TRANSIT_POSITION::Parse(const SENTENCE& sentence) {
    return ParsePosition(sentence, 7);
}

bool TRANSIT_POSITION::Write(SENTENCE& sentence) const {
    WritePosition(sentence);
    sentence.Finish();
    return true;
}

void TRANSIT_SATELLITE_POSITION::Empty() {
    TRANSIT_POSITION::Empty();
    satelliteNumber = 0;
}

bool TRANSIT_SATELLITE_POSITION::Parse(const SENTENCE& sentence) {
    if (!ParsePosition(sentence, 8)) return false;
    satelliteNumber = sentence.Integer(7);
    return true;
}

bool TRANSIT_SATELLITE_POSITION::Write(SENTENCE& sentence) const {
    WritePosition(sentence);
    sentence.AddInteger(satelliteNumber);
    sentence.Finish();
    return true;
}

}  // namespace rq
