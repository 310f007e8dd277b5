// $ERRPM,S,1,1200.0,85.0,A*59
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Revolutions.
class RPM : public RESPONSE {
public:
    std::u16string source;
    int sourceNumber;
    double revolutionsPerMinute;
    double propellerPitchPercent;
    NmeaBoolean isDataValid;

    RPM();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
