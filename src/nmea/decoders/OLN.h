// $OMOLN,AB,590,45,BC,210,12,CD,477,80*57
#pragma once

#include <string>

#include "nmea/OmegaPair.h"
#include "nmea/Response.h"

namespace rq {

// Omega lane numbers.
class OLN : public RESPONSE {
public:
    OMEGA_PAIR pair1;
    OMEGA_PAIR pair2;
    OMEGA_PAIR pair3;

    OLN();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
};

}  // namespace rq
