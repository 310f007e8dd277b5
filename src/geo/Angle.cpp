#include "geo/Angle.h"

#include <cmath>
#include <cstdio>

#include "geo/NumberText.h"
#include "geo/Rounding.h"
#include "platform/Text.h"

namespace rq {

namespace {

constexpr double kAngleTolerance = 1e-7;
constexpr double kOneSixtieth = 0.016666666666666666;
// Seconds to ten-thousandths of a minute.
constexpr double kSecondsToMinuteFraction = 166.66666666666666;

int Magnitude(int v) {
    return v < 0 ? -v : v;  // TruncToInt never yields INT_MIN
}

}  // namespace

double NmeaToDegrees(double nmeaValue) {
    // The whole degrees are the digits above the hundreds; trunc keeps a garbage field
    // from overflowing an int conversion and equals int() for every real position.
    const double degrees = std::trunc(nmeaValue * 0.01);
    return (nmeaValue - degrees * 100) * kOneSixtieth + degrees;
}

bool CAngle::IsValid() const {
    return value != kUnset;
}

bool CAngle::IsEqual(const CAngle& other) const {
    return std::fabs(value - other.value) < kAngleTolerance;
}

double CAngle::GetMinutes() const {
    return TruncToInt((value - TruncToInt(value)) * 60);
}

double CAngle::GetSeconds() const {
    return ((value - TruncToInt(value)) - GetMinutes() / 60) * 3600;
}

void CAngle::SetFromNmea(double nmeaValue, int hemisphereCode) {
    if (IsUnset(nmeaValue)) {
        value = kUnset;
        return;
    }
    const double degrees = std::fabs(NmeaToDegrees(nmeaValue));
    value = hemisphereCode == 2 ? -degrees : degrees;
}

bool CAngle::EqualsNmea(double nmeaValue) const {
    return std::fabs(value - NmeaToDegrees(nmeaValue)) < kAngleTolerance;
}

std::u16string CAngle::Format(int mode) const {
    char buffer[64];
    const int degrees = Magnitude(TruncToInt(value));
    const int minutes = Magnitude(TruncToInt(GetMinutes()));
    switch (mode) {
        case kAngleDecimal:
            return FixedText16(value, 8);
        case kAngleMinutes: {
            // The fraction is not carried into the minutes: 9999.5 and more print as
            // five digits, as the device shows them.
            const int fraction = RoundHalfAway(std::fabs(GetSeconds()) * kSecondsToMinuteFraction);
            std::snprintf(buffer, sizeof buffer, "%d'%02d.%04d\"", degrees, minutes, fraction);
            return platform::Widen(buffer);
        }
        case kAngleSeconds: {
            std::snprintf(buffer, sizeof buffer, "%d'%02d\"", degrees, minutes);
            // "%02.3f": the width covers the whole number, so it never pads.
            std::string text = buffer + FixedText(std::fabs(GetSeconds()), 3) + "'''";
            return platform::Widen(text);
        }
        default:
            return std::u16string();
    }
}

std::u16string CAngle::FormatWith(int mode, char16_t hemisphere) const {
    std::u16string text = Format(mode);
    text += u' ';
    text += hemisphere;
    return text;
}

}  // namespace rq
