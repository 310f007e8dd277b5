// One Omega station pair of OLN: the pair's letters and its lane number.
#pragma once

#include <string>

#include "geo/Unset.h"
#include "nmea/NmeaEnums.h"

namespace rq {

class SENTENCE;

struct OMEGA_PAIR {
    std::u16string name;
    int laneNumber = 0;
    int centilaneNumber = 0;

    void Empty() { *this = OMEGA_PAIR(); }
    // Reads 3 fields from field `first` on.
    void Parse(int first, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
