#include <gtest/gtest.h>

#include <sstream>

#include "geo/Units.h"
#include "platform/Text.h"
#include "support/CaseTable.h"

using namespace rq;
using rq::platform::ToUtf8;

TEST(Units, FormatDistanceThresholdsAndSpeed) {
    for (const auto& row : test::CaseTable("geo/distances.txt", '\t')) {
        std::istringstream in(row[0]);
        double metres;
        int mode, small, large;
        std::string value, unit;
        ASSERT_TRUE(in >> metres >> mode >> small >> large >> value >> unit) << row[0];
        const ValueText text = FormatDistance(metres, mode, small, large, false);
        EXPECT_EQ(ToUtf8(text.value), value) << row[0];
        EXPECT_EQ(ToUtf8(text.unit), unit) << row[0];
    }
    EXPECT_EQ(FormatDistance(1000, 0, 0, 3, true), (ValueText{u"1.000 km", u"km"}));
    EXPECT_EQ(FormatDistance(1600, 1, 0, 3, true).value, u"5249 feets");

    for (const auto& row : test::CaseTable("geo/speeds.txt", '\t')) {
        std::istringstream in(row[0]);
        double kmh;
        int mode;
        std::string value, unit;
        ASSERT_TRUE(in >> kmh >> mode >> value >> unit) << row[0];
        const ValueText text = FormatSpeed(kmh, mode, false);
        EXPECT_EQ(ToUtf8(text.value), value) << row[0];
        EXPECT_EQ(ToUtf8(text.unit), unit) << row[0];
    }
    EXPECT_EQ(FormatSpeed(100, 1, true).value, u"62.1 mph");
    // The knots of a fix become km/h in the model and knots again in nautical mode.
    EXPECT_EQ(FormatSpeed(10 * kKnotsToKmh, 2, false).value, u"10.0");
}
