// Angles in signed decimal degrees: the base of latitudes, longitudes and courses.
#pragma once

#include <string>

#include "geo/Unset.h"

namespace rq {

// Text modes of Format: 1 signed decimal degrees, 2 degrees and decimal minutes,
// 3 degrees, minutes and seconds.
enum AngleTextMode : int { kAngleDecimal = 1, kAngleMinutes = 2, kAngleSeconds = 3 };

// Converts the NMEA ddmm.mmmm / dddmm.mmmm form to degrees (sign kept).
double NmeaToDegrees(double nmeaValue);

class CAngle {
public:
    double value = kUnset;

    CAngle() = default;
    explicit CAngle(double v) : value(v) {}
    CAngle(const CAngle&) = default;
    CAngle& operator=(const CAngle&) = default;

    // Any value but the marker (compared exactly) is a value.
    bool IsValid() const;
    // Equal within 1e-7 degree.
    bool IsEqual(const CAngle& other) const;

    // Whole minutes of the fraction, truncated toward zero (negative for negative
    // angles), and the seconds left over.
    double GetMinutes() const;
    double GetSeconds() const;
    // The text of one angle without hemisphere; empty for an unknown mode. Modes 2
    // and 3 carry no sign.
    std::u16string Format(int mode) const;

protected:
    void SetFromNmea(double nmeaValue, int hemisphereCode);
    bool EqualsNmea(double nmeaValue) const;
    std::u16string FormatWith(int mode, char16_t hemisphere) const;
};

// Positive north. NMEA hemisphere codes: 0 none, 1 north, 2 south.
class CLatitude : public CAngle {
public:
    CLatitude() = default;
    explicit CLatitude(double v) : CAngle(v) {}

    bool IsEqualNmea(double nmeaValue) const { return EqualsNmea(nmeaValue); }
    bool IsNotEqualNmea(double nmeaValue) const { return !EqualsNmea(nmeaValue); }
    bool operator==(const CAngle& other) const { return IsEqual(other); }
    bool operator!=(const CAngle& other) const { return !IsEqual(other); }
    void Set(double v) { value = v; }
    void Set(const CAngle& other) { value = other.value; }
    void SetNmea(double nmeaValue, int hemisphereCode) { SetFromNmea(nmeaValue, hemisphereCode); }
    // 'N' for values >= 0, else 'S'.
    char16_t GetHemisphere() const { return value >= 0 ? u'N' : u'S'; }
    // Format (mode), a blank and the hemisphere letter.
    std::u16string FormatWithHemisphere(int mode) const {
        return FormatWith(mode, GetHemisphere());
    }
};

// Positive east. NMEA hemisphere codes: 0 none, 1 east, 2 west.
class CLongitude : public CAngle {
public:
    CLongitude() = default;
    explicit CLongitude(double v) : CAngle(v) {}

    bool IsEqualNmea(double nmeaValue) const { return EqualsNmea(nmeaValue); }
    bool IsNotEqualNmea(double nmeaValue) const { return !EqualsNmea(nmeaValue); }
    bool operator==(const CAngle& other) const { return IsEqual(other); }
    bool operator!=(const CAngle& other) const { return !IsEqual(other); }
    void Set(double v) { value = v; }
    void Set(const CAngle& other) { value = other.value; }
    void SetNmea(double nmeaValue, int hemisphereCode) { SetFromNmea(nmeaValue, hemisphereCode); }
    // 'E' for values >= 0, else 'W'.
    char16_t GetHemisphere() const { return value >= 0 ? u'E' : u'W'; }
    std::u16string FormatWithHemisphere(int mode) const {
        return FormatWith(mode, GetHemisphere());
    }
};

}  // namespace rq
