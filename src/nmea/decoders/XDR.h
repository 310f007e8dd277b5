// $IIXDR,C,19.52,C,TempAir,P,1.02481,B,Barometer*7E
#pragma once

#include <string>
#include <vector>

#include "nmea/Response.h"
#include "nmea/TransducerData.h"

namespace rq {

// Transducer measurements: any number of groups of four fields.
class XDR : public RESPONSE {
public:
    std::vector<TRANSDUCER_DATA> transducers;

    XDR();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
