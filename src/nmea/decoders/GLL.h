// $GPGLL,4916.45,N,12311.12,W,225444,A*31
#pragma once

#include <string>

#include "nmea/LatLong.h"
#include "nmea/Response.h"

namespace rq {

// Geographic position, latitude and longitude, with the time of the position.
class GLL : public RESPONSE {
public:
    LATLONG position;
    NmeaBoolean isDataValid;

    GLL();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
