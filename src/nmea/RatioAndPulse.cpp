#include "nmea/RatioAndPulse.h"

#include "nmea/Sentence.h"

namespace rq {

void RATIO_AND_PULSE::Parse(int first, const SENTENCE& s) {
    signalToNoiseRatio = s.Integer(first + 0);
    pulseShapeEcd = s.Integer(first + 1);
}

void RATIO_AND_PULSE::Write(SENTENCE& s) const {
    s.AddInteger(signalToNoiseRatio);
    s.AddInteger(pulseShapeEcd);
}

}  // namespace rq
