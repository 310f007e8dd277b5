// One Loran-C time difference (GLC): microseconds and the signal status letter
// (B blink warning, C cycle warning, S SNR warning, A valid).
#pragma once

#include <string>

#include "geo/Unset.h"
#include "nmea/NmeaEnums.h"

namespace rq {

class SENTENCE;

struct LORAN_TIME_DIFFERENCE {
    double microseconds = kUnset;
    std::u16string signalStatus;

    void Empty() { *this = LORAN_TIME_DIFFERENCE(); }
    // Reads 2 fields from field `first` on.
    void Parse(int first, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
