#include "nmea/LoranTimeDifference.h"

#include "nmea/Sentence.h"

namespace rq {

void LORAN_TIME_DIFFERENCE::Parse(int first, const SENTENCE& s) {
    microseconds = s.Double(first + 0);
    signalStatus.assign(s.Field(first + 1));
}

void LORAN_TIME_DIFFERENCE::Write(SENTENCE& s) const {
    s.AddDouble(microseconds);
    s.AddText(signalStatus);
}

}  // namespace rq
