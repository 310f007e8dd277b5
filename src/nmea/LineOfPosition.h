// One Decca line of position (DCN): zone, line and whether it is a master line.
#pragma once

#include <string>

#include "geo/Unset.h"
#include "nmea/NmeaEnums.h"

namespace rq {

class SENTENCE;

struct LINE_OF_POSITION {
    std::u16string zoneId;
    double lineOfPosition = kUnset;
    NmeaBoolean masterLine = NmeaBoolean::Unknown;

    void Empty() { *this = LINE_OF_POSITION(); }
    // Reads 3 fields from field `first` on.
    void Parse(int first, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
