// Latitude and longitude as the receiver sends them: the raw NMEA number
// (ddmm.mmmm, dddmm.mmmm), unconverted, and its hemisphere letter.
#pragma once

#include "geo/Unset.h"
#include "nmea/NmeaEnums.h"

namespace rq {

class SENTENCE;

struct LATITUDE {
    double value = kUnset;
    NorthSouth hemisphere = NorthSouth::Unknown;

    void Empty() { *this = LATITUDE(); }
    // The hemisphere comes from the first character of its field.
    void Parse(int valueField, int hemisphereField, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
    bool IsDataValid() const { return hemisphere != NorthSouth::Unknown; }
};

struct LONGITUDE {
    double value = kUnset;
    EastWest hemisphere = EastWest::Unknown;

    void Empty() { *this = LONGITUDE(); }
    void Parse(int valueField, int hemisphereField, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
    bool IsDataValid() const { return hemisphere != EastWest::Unknown; }
};

struct LATLONG {
    LATITUDE latitude;
    LONGITUDE longitude;

    void Empty() { *this = LATLONG(); }
    // Fields first..first+3; true only when both hemispheres are known.
    bool Parse(int firstField, const SENTENCE& sentence);
    void Write(SENTENCE& sentence) const;
};

}  // namespace rq
