#include "nmea/FrequencyAndMode.h"

#include "nmea/Sentence.h"

namespace rq {

void FREQUENCY_AND_MODE::Parse(int first, const SENTENCE& s) {
    frequency = s.Double(first + 0);
    mode = s.CommunicationsMode(first + 1);
}

void FREQUENCY_AND_MODE::Write(SENTENCE& s) const {
    s.AddDouble(frequency);
    s.Add(mode);
}

}  // namespace rq
