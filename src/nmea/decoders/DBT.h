// $IIDBT,0012.3,f,0003.7,M,0002.0,F*27
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Depth below transducer.
class DBT : public RESPONSE {
public:
    double depthFeet;
    double depthMeters;
    double depthFathoms;

    DBT();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
