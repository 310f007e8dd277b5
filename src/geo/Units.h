// Unit modes and the texts of distances and speeds. The model keeps metres and km/h;
// only display text is converted.
#pragma once

#include <string>

namespace rq {

// Any other mode value formats as nautical.
enum UnitMode : int { kUnitMetric = 0, kUnitImperial = 1, kUnitNautical = 2 };

inline constexpr double kFeetPerMetre = 3.2808398950131235;
inline constexpr double kKilometresPerMetre = 0.001;
inline constexpr double kFeetPerMile = 5280;
inline constexpr double kMilesPerFoot = 0.0001893939393939394;
inline constexpr double kFeetPerNauticalMile = 6079.98687664042;
inline constexpr double kNauticalMilesPerFoot = 0.0001644740392190721;
inline constexpr double kKmhToMph = 0.621371192237334;
inline constexpr double kKmhToKnots = 0.5396129895638848;
// Where the receiver's speed in knots enters the model.
inline constexpr double kKnotsToKmh = 1.85318;

struct ValueText {
    std::u16string value;
    std::u16string unit;
    bool operator==(const ValueText&) const = default;
};

// Below one large unit the value is in the small unit ("m" or "feets") with
// smallDecimals, from there in "km", "mile" or "n.mile" with largeDecimals. With
// appendUnit the value text ends with a blank and the unit.
ValueText FormatDistance(double metres, int mode, int smallDecimals, int largeDecimals,
                         bool appendUnit);
// One decimal, in "km/h", "mph" or "n.mph".
ValueText FormatSpeed(double kmh, int mode, bool appendUnit);

}  // namespace rq
