// $RATTM,11,11.4,13.6,T,7.0,20.0,T,0.0,0.0,N,,T,,,A*1C
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// Tracked target message.
class TTM : public RESPONSE {
public:
    int targetNumber;
    double targetDistance;
    double bearingFromOwnShip;
    std::u16string bearingUnits;
    double targetSpeed;
    double targetCourse;
    std::u16string targetCourseUnits;
    double distanceOfClosestPointOfApproach;
    double numberOfMinutesToClosestPointOfApproach;
    std::u16string distanceUnits;
    std::u16string targetName;
    std::u16string targetStatus;
    std::u16string referenceTarget;

    TTM();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
};

}  // namespace rq
