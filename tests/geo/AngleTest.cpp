#include <gtest/gtest.h>

#include <sstream>

#include "geo/Angle.h"
#include "geo/Rounding.h"
#include "platform/Text.h"
#include "support/CaseTable.h"

using namespace rq;
using rq::platform::ToUtf8;

TEST(Angle, ValidityAndTolerance) {
    CLatitude lat;
    EXPECT_FALSE(lat.IsValid());
    lat.Set(kUnset + 1e-6);  // only the exact marker is "no value"
    EXPECT_TRUE(lat.IsValid());

    const CLatitude a(10.0);
    EXPECT_TRUE(a.IsEqual(CLatitude(10.0 + 5e-8)));
    EXPECT_TRUE(a == CLatitude(10.0 - 5e-8));
    EXPECT_FALSE(a.IsEqual(CLatitude(10.0 + 2e-7)));
    EXPECT_TRUE(a != CLatitude(10.0 + 2e-7));

    CLongitude lon;
    lon.Set(a);
    EXPECT_EQ(lon.value, 10.0);
}

TEST(Angle, NmeaDegreesAndMinutes) {
    CLatitude lat;
    lat.SetNmea(4807.038, 2);
    EXPECT_NEAR(lat.value, -48.1173, 1e-12);
    lat.SetNmea(4807.038, 1);
    EXPECT_NEAR(lat.value, 48.1173, 1e-12);
    lat.SetNmea(-4807.038, 0);  // made non-negative before the hemisphere applies
    EXPECT_NEAR(lat.value, 48.1173, 1e-12);
    lat.SetNmea(0, 2);
    EXPECT_EQ(lat.value, 0.0);
    lat.SetNmea(kUnset, 1);
    EXPECT_FALSE(lat.IsValid());

    CLongitude lon;
    lon.SetNmea(1131.000, 2);
    EXPECT_NEAR(lon.value, -11.516666666666667, 1e-12);
    // The hemisphere plays no part in the NMEA comparison.
    lon.Set(11.516666666666667);
    EXPECT_TRUE(lon.IsEqualNmea(1131.000));
    EXPECT_FALSE(lon.IsNotEqualNmea(1131.000));
    EXPECT_TRUE(lon.IsNotEqualNmea(1131.001));
    // A garbage field far beyond any int converts without overflow.
    lon.SetNmea(1e300, 1);
    EXPECT_TRUE(lon.IsValid());
}

TEST(Angle, HemispheresMinutesAndSeconds) {
    EXPECT_EQ(CLatitude(0).GetHemisphere(), u'N');
    EXPECT_EQ(CLatitude(-0.0000001).GetHemisphere(), u'S');
    EXPECT_EQ(CLongitude(0).GetHemisphere(), u'E');
    EXPECT_EQ(CLongitude(-1).GetHemisphere(), u'W');

    const CLatitude s(-33.8578);
    EXPECT_EQ(s.GetMinutes(), -51.0);
    EXPECT_NEAR(s.GetSeconds(), -28.08, 1e-9);
    const CLatitude n(10.5);
    EXPECT_EQ(n.GetMinutes(), 30.0);
    EXPECT_NEAR(n.GetSeconds(), 0.0, 1e-9);
}

TEST(Angle, FormatTexts) {
    for (const auto& row : test::CaseTable("geo/angle_texts.txt", '\t')) {
        std::istringstream in(row[0]);
        double value;
        int mode;
        std::string kind, format, hemisphere;
        ASSERT_TRUE(in >> value >> kind >> mode >> format >> hemisphere) << row[0];
        if (format == "-") format.clear();
        const bool lat = kind == "lat";
        EXPECT_EQ(ToUtf8(lat ? CLatitude(value).Format(mode) : CLongitude(value).Format(mode)),
                  format)
            << row[0];
        EXPECT_EQ(ToUtf8(lat ? CLatitude(value).FormatWithHemisphere(mode)
                             : CLongitude(value).FormatWithHemisphere(mode)),
                  format + " " + hemisphere)
            << row[0];
    }
    // The marker itself still formats (it fits an int) rather than crashing.
    EXPECT_FALSE(CLatitude().Format(2).empty());
}

TEST(Rounding, HalvesAwayFromZeroAndClamped) {
    const std::pair<double, int> cases[] = {
        {2.5, 3}, {-2.5, -3}, {2.49, 2}, {-2.49, -2}, {0.0, 0}, {9999.5, 10000}, {-0.5, -1},
    };
    for (const auto& [x, expected] : cases) EXPECT_EQ(RoundHalfAway(x), expected) << x;
    EXPECT_EQ(RoundHalfAway(1e300), 2147483647);
    EXPECT_EQ(RoundHalfAway(-1e300), -2147483647);
    EXPECT_EQ(RoundHalfAway(std::nan("")), 0);
}
