// $WIMHU,45.2,8.1,12.3,C*29
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Humidity.
class MHU : public RESPONSE {
public:
    double relativeHumidityPercent;
    double absoluteHumidityPercent;
    double dewPointDegreesCelsius;

    MHU();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
