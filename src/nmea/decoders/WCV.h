// $GPWCV,5.2,N,WPT01*4C
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Waypoint closure velocity.
class WCV : public RESPONSE {
public:
    double velocity;
    std::u16string to;

    WCV();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
