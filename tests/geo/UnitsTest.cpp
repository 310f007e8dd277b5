#include <gtest/gtest.h>

#include "geo/GeoRows.h"
#include "geo/Units.h"
#include "platform/Text.h"

using namespace rq;
using rq::platform::ToUtf8;

TEST(Units, FormatDistanceThresholds) {
    for (const std::string& row : geotest::GeoRows("distances.txt")) {
        std::istringstream in(row);
        double metres;
        int mode, small, large;
        std::string value, unit;
        ASSERT_TRUE(in >> metres >> mode >> small >> large >> value >> unit) << row;
        const ValueText text = FormatDistance(metres, mode, small, large, false);
        EXPECT_EQ(ToUtf8(text.value), value) << row;
        EXPECT_EQ(ToUtf8(text.unit), unit) << row;
    }
    EXPECT_EQ(FormatDistance(1000, 0, 0, 3, true), (ValueText{u"1.000 km", u"km"}));
    EXPECT_EQ(FormatDistance(1600, 1, 0, 3, true).value, u"5249 feets");
}

TEST(Units, FormatSpeed) {
    for (const std::string& row : geotest::GeoRows("speeds.txt")) {
        std::istringstream in(row);
        double kmh;
        int mode;
        std::string value, unit;
        ASSERT_TRUE(in >> kmh >> mode >> value >> unit) << row;
        const ValueText text = FormatSpeed(kmh, mode, false);
        EXPECT_EQ(ToUtf8(text.value), value) << row;
        EXPECT_EQ(ToUtf8(text.unit), unit) << row;
    }
    EXPECT_EQ(FormatSpeed(100, 1, true).value, u"62.1 mph");
    // The knots of a fix become km/h in the model and knots again in nautical mode.
    EXPECT_EQ(FormatSpeed(10 * kKnotsToKmh, 2, false).value, u"10.0");
}
