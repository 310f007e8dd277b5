// $HEROT,-2.3,A*07
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Rate of turn.
class ROT : public RESPONSE {
public:
    double rateOfTurn;
    NmeaBoolean isDataValid;

    ROT();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
