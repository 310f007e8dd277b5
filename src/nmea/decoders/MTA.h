// $WIMTA,21.5,C*1D
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Air temperature.
class MTA : public RESPONSE {
public:
    double temperature;

    MTA();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
