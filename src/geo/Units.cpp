#include "geo/Units.h"

#include "geo/NumberText.h"

namespace rq {

namespace {

ValueText Make(double number, int decimals, const char16_t* unit, bool appendUnit) {
    ValueText text{FixedText16(number, decimals), unit};
    if (appendUnit) {
        text.value += u' ';
        text.value += text.unit;
    }
    return text;
}

}  // namespace

ValueText FormatDistance(double metres, int mode, int smallDecimals, int largeDecimals,
                         bool appendUnit) {
    const double feet = metres * kFeetPerMetre;
    switch (mode) {
        case kUnitMetric:
            if (metres < 1000) return Make(metres, smallDecimals, u"m", appendUnit);
            return Make(metres * kKilometresPerMetre, largeDecimals, u"km", appendUnit);
        case kUnitImperial:
            if (feet < kFeetPerMile) return Make(feet, smallDecimals, u"feets", appendUnit);
            return Make(feet * kMilesPerFoot, largeDecimals, u"mile", appendUnit);
        default:
            if (feet < kFeetPerNauticalMile) return Make(feet, smallDecimals, u"feets", appendUnit);
            return Make(feet * kNauticalMilesPerFoot, largeDecimals, u"n.mile", appendUnit);
    }
}

ValueText FormatSpeed(double kmh, int mode, bool appendUnit) {
    switch (mode) {
        case kUnitMetric:
            return Make(kmh, 1, u"km/h", appendUnit);
        case kUnitImperial:
            return Make(kmh * kKmhToMph, 1, u"mph", appendUnit);
        default:
            return Make(kmh * kKmhToKnots, 1, u"n.mph", appendUnit);
    }
}

}  // namespace rq
