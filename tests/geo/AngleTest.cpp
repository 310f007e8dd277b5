#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "geo/Angle.h"
#include "geo/Rounding.h"
#include "platform/Text.h"
#include "support/CaseTable.h"
#include "support/Numbers.h"

using namespace rq;
using rq::platform::ToUtf8;

TEST(Angle, ValidityToleranceAndNmeaDegreesAndMinutes) {
    CLatitude lat;
    EXPECT_FALSE(lat.IsValid());
    lat.Set(kUnset + 1e-6);  // only the exact marker is "no value"
    EXPECT_TRUE(lat.IsValid());

    const CLatitude a(10.0);
    EXPECT_TRUE(a.IsEqual(CLatitude(10.0 + 5e-8)));
    EXPECT_TRUE(a == CLatitude(10.0 - 5e-8));
    EXPECT_FALSE(a.IsEqual(CLatitude(10.0 + 2e-7)));
    EXPECT_TRUE(a != CLatitude(10.0 + 2e-7));

    CLongitude fromLatitude;
    fromLatitude.Set(a);
    EXPECT_EQ(fromLatitude.value, 10.0);

    // Hemisphere code 2 is south or west; the field is made non-negative before it applies.
    const std::tuple<double, int, double> cases[] = {
        {4807.038, 2, -48.1173}, {4807.038, 1, 48.1173},
        {-4807.038, 0, 48.1173}, {0, 2, 0},
        {kUnset, 1, kUnset},     {1131.000, 2, -11.516666666666667},
    };
    for (const auto& [nmea, hemisphere, degrees] : cases) {
        CLatitude nmeaLat;
        CLongitude nmeaLon;
        nmeaLat.SetNmea(nmea, hemisphere);
        nmeaLon.SetNmea(nmea, hemisphere);
        EXPECT_NEAR(nmeaLat.value, degrees, 1e-12) << nmea;
        EXPECT_NEAR(nmeaLon.value, degrees, 1e-12) << nmea;
    }
    // The hemisphere plays no part in the NMEA comparison.
    CLongitude lon(11.516666666666667);
    EXPECT_TRUE(lon.IsEqualNmea(1131.000));
    EXPECT_FALSE(lon.IsNotEqualNmea(1131.000));
    EXPECT_TRUE(lon.IsNotEqualNmea(1131.001));
    // A garbage field far beyond any int converts without overflow.
    lon.SetNmea(1e300, 1);
    EXPECT_TRUE(lon.IsValid());
}

TEST(Angle, FormatTextsHemispheresMinutesAndSeconds) {
    EXPECT_EQ(std::u16string({CLatitude(0).GetHemisphere(), CLatitude(-0.0000001).GetHemisphere(),
                              CLongitude(0).GetHemisphere(), CLongitude(-1).GetHemisphere()}),
              u"NSEW");
    EXPECT_EQ(CLatitude(-33.8578).GetMinutes(), -51.0);
    EXPECT_NEAR(CLatitude(-33.8578).GetSeconds(), -28.08, 1e-9);
    EXPECT_EQ(CLatitude(10.5).GetMinutes(), 30.0);
    EXPECT_NEAR(CLatitude(10.5).GetSeconds(), 0.0, 1e-9);

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
    for (const auto& row : test::CaseTable("geo/rounding.txt", '\t')) {
        const auto [x, expected] = test::Numbers<2>(row[0]);
        EXPECT_EQ(RoundHalfAway(x), expected) << row[0];
    }
    EXPECT_EQ(RoundHalfAway(std::nan("")), 0);
}
