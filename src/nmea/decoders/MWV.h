// $WIMWV,214.8,R,0.1,K,A*28
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Wind speed and angle.
class MWV : public RESPONSE {
public:
    double windAngle;
    std::u16string reference;
    double windSpeed;
    std::u16string windSpeedUnits;
    NmeaBoolean isDataValid;

    MWV();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
