// $PGRME,15.0,M,45.0,M,25.0,M*1C
#pragma once

#include <string>

#include "nmea/Manufacturer.h"
#include "nmea/Response.h"

namespace rq {

// Any proprietary sentence: "$P", a three-letter manufacturer code, and the rest.
class P : public RESPONSE {
public:
    MANUFACTURER manufacturer;  // code and company ("" when not in the list)
    std::u16string sentence;    // what follows the code, up to the checksum

    P();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
