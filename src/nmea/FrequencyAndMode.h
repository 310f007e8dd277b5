// One frequency of a scanning-frequency list (SFI): the frequency in 100 Hz
// steps and the communications mode letter.
#pragma once

#include "geo/Unset.h"
#include "nmea/NmeaEnums.h"

namespace rq {

class SENTENCE;

struct FREQUENCY_AND_MODE {
    double frequency = kUnset;
    CommunicationsMode mode = CommunicationsMode::Unknown;

    void Empty() { *this = FREQUENCY_AND_MODE(); }
    // Reads 2 fields from field `first` on.
    void Parse(int first, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
