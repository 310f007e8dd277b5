// $GPALM,1,1,15,1159,00,441d,4e,16be,fd5e,a10c9f,4a2da4,686e81,58cbe1,0a4,001*77
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// GPS almanac data.
class ALM : public RESPONSE {
public:
    int totalNumberOfMessages;
    int messageNumber;
    int satellitePrn;
    int gpsWeek;
    std::u16string svHealth;
    std::u16string eccentricity;
    std::u16string almanacReferenceTime;
    std::u16string inclinationAngle;
    std::u16string rateOfRightAscension;
    std::u16string rootOfSemiMajorAxis;
    std::u16string argumentOfPerigee;
    std::u16string longitudeOfAscensionNode;
    std::u16string meanAnomaly;
    std::u16string f0ClockParameter;
    std::u16string f1ClockParameter;

    ALM();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
