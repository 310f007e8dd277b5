#include "nmea/LineOfPosition.h"

#include "nmea/Sentence.h"

namespace rq {

void LINE_OF_POSITION::Parse(int first, const SENTENCE& s) {
    zoneId.assign(s.Field(first + 0));
    lineOfPosition = s.Double(first + 1);
    masterLine = s.Boolean(first + 2);
}

void LINE_OF_POSITION::Write(SENTENCE& s) const {
    s.AddText(zoneId);
    s.AddDouble(lineOfPosition);
    s.Add(masterLine);
}

}  // namespace rq
