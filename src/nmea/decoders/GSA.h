// $GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39
#pragma once

#include <string>

#include "nmea/Response.h"

namespace rq {

// GNSS dilution of precision and the satellites used in the fix.
class GSA : public RESPONSE {
public:
    int selectionMode;        // 0 unknown, 1 manual ("M"), 2 automatic ("A")
    int fixMode;              // 0 unknown, 1 no fix, 2 two-dimensional, 3 three-dimensional
    int satelliteNumber[12];  // 0 for an empty slot
    double pdop;              // dilutions are clamped to 0..50
    double hdop;
    double vdop;

    GSA();
    void Empty() override;
    bool Parse(const SENTENCE& sentence) override;
    bool Write(SENTENCE& sentence) const override;
    void AppendPlainEnglish(std::u16string& out) const override;
    // True when `prn` is one of the twelve numbers; 0 matches an empty slot.
    bool IsSatelliteUsed(int prn) const;
};

}  // namespace rq
