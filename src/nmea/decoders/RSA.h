// $IIRSA,10.5,A,,V*4D
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Rudder sensor angle.
class RSA : public RESPONSE {
public:
    double starboard;
    NmeaBoolean isStarboardDataValid;
    double port;
    NmeaBoolean isPortDataValid;

    RSA();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
