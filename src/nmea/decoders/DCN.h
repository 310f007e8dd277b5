// $GPDCN,05,A,12.5,A,B,18.8,A,C,11.2,A,A,A,A,0.03,N,1*62
#pragma once

#include <string>

#include "nmea/LineOfPosition.h"
#include "nmea/Response.h"

namespace rq {

// Decca position.
class DCN : public RESPONSE {
public:
    int deccaChainId;
    LINE_OF_POSITION red;
    LINE_OF_POSITION green;
    LINE_OF_POSITION purple;
    NmeaBoolean redLineNavigationUse;
    NmeaBoolean greenLineNavigationUse;
    NmeaBoolean purpleLineNavigationUse;
    double positionUncertaintyNauticalMiles;
    int basis;

    DCN();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
