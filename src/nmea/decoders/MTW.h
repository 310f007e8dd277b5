// $YXMTW,17.75,C*26
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Water temperature.
class MTW : public RESPONSE {
public:
    double temperature;

    MTW();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
