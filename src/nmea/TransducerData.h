// One transducer reading of XDR: type letter, value, unit letter and name.
#pragma once

#include <string>

#include "geo/Unset.h"
#include "nmea/NmeaEnums.h"

namespace rq {

class SENTENCE;

struct TRANSDUCER_DATA {
    TransducerType transducerType = TransducerType::Unknown;
    double measurementData = kUnset;
    std::u16string measurementUnits;
    std::u16string transducerName;

    void Empty() { *this = TRANSDUCER_DATA(); }
    // Reads 4 fields from field `first` on.
    void Parse(int first, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
