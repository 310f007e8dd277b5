#include <gtest/gtest.h>

#include "geo/Units.h"
#include "platform/Text.h"

using namespace rq;
using rq::platform::ToUtf8;

TEST(Units, FormatDistanceThresholds) {
    struct Case {
        double metres;
        int mode, small, large;
        const char* value;
        const char* unit;
    };
    const Case cases[] = {
        {999.4, 0, 0, 3, "999", "m"},
        {999.9999, 0, 0, 3, "1000", "m"},  // rounding does not move it to km
        {1000, 0, 0, 3, "1.000", "km"},
        {1250, 0, 0, 3, "1.250", "km"},
        {12.345, 0, 2, 3, "12.35", "m"},
        {-5000, 0, 0, 3, "-5000", "m"},
        {1609.344, 1, 0, 3, "1.000", "mile"},
        {1600, 1, 0, 3, "5249", "feets"},
        {1609.3, 1, 0, 3, "5280", "feets"},
        {1853.18, 2, 0, 3, "1.000", "n.mile"},
        {1853, 2, 0, 3, "6079", "feets"},
        {1853.18, 7, 0, 3, "1.000", "n.mile"},
        {1853, -1, 0, 3, "6079", "feets"},
        {10000, 2, 0, 1, "5.4", "n.mile"},
        {0, 0, -3, 3, "0", "m"},  // a negative count writes no decimals
    };
    for (const Case& c : cases) {
        const ValueText text = FormatDistance(c.metres, c.mode, c.small, c.large, false);
        EXPECT_EQ(ToUtf8(text.value), c.value) << c.metres << " mode " << c.mode;
        EXPECT_EQ(ToUtf8(text.unit), c.unit) << c.metres << " mode " << c.mode;
    }
    EXPECT_EQ(FormatDistance(1000, 0, 0, 3, true), (ValueText{u"1.000 km", u"km"}));
    EXPECT_EQ(FormatDistance(1600, 1, 0, 3, true).value, u"5249 feets");
}

TEST(Units, FormatSpeed) {
    struct Case {
        double kmh;
        int mode;
        const char* value;
        const char* unit;
    };
    const Case cases[] = {
        {100, 1, "62.1", "mph"},   {100, 2, "54.0", "n.mph"}, {18.5318, 0, "18.5", "km/h"},
        {100, 7, "54.0", "n.mph"}, {0, 0, "0.0", "km/h"},     {-1.25, 0, "-1.2", "km/h"},
    };
    for (const Case& c : cases) {
        const ValueText text = FormatSpeed(c.kmh, c.mode, false);
        EXPECT_EQ(ToUtf8(text.value), c.value) << c.kmh << " mode " << c.mode;
        EXPECT_EQ(ToUtf8(text.unit), c.unit) << c.kmh << " mode " << c.mode;
    }
    EXPECT_EQ(FormatSpeed(100, 1, true).value, u"62.1 mph");
    // The knots of a fix become km/h in the model and knots again in nautical mode.
    EXPECT_EQ(FormatSpeed(10 * kKnotsToKmh, 2, false).value, u"10.0");
}
