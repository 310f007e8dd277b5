#include "nmea/LatLong.h"

#include "nmea/Sentence.h"

namespace rq {

void LATITUDE::Parse(int valueField, int hemisphereField, const SENTENCE& s) {
    value = s.Double(valueField);
    switch (s.FirstChar(hemisphereField)) {
        case u'N':
            hemisphere = NorthSouth::North;
            break;
        case u'S':
            hemisphere = NorthSouth::South;
            break;
        default:
            hemisphere = NorthSouth::Unknown;
    }
}

void LATITUDE::Write(SENTENCE& s) const {
    s.AddDouble(value).Add(hemisphere);
}

void LONGITUDE::Parse(int valueField, int hemisphereField, const SENTENCE& s) {
    value = s.Double(valueField);
    switch (s.FirstChar(hemisphereField)) {
        case u'E':
            hemisphere = EastWest::East;
            break;
        case u'W':
            hemisphere = EastWest::West;
            break;
        default:
            hemisphere = EastWest::Unknown;
    }
}

void LONGITUDE::Write(SENTENCE& s) const {
    s.AddDouble(value).Add(hemisphere);
}

bool LATLONG::Parse(int first, const SENTENCE& s) {
    latitude.Parse(first, first + 1, s);
    longitude.Parse(first + 2, first + 3, s);
    return latitude.IsDataValid() && longitude.IsDataValid();
}

void LATLONG::Write(SENTENCE& s) const {
    latitude.Write(s);
    longitude.Write(s);
}

}  // namespace rq
