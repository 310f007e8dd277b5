// $GPZDA,201530.00,04,07,2002,00,00*60
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Time and date, with the local time zone.
class ZDA : public RESPONSE {
public:
    int day;
    int month;
    int year;
    int localHourDeviation;
    int localMinutesDeviation;

    ZDA();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
