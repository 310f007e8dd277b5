#include <gtest/gtest.h>

#include <tuple>

#include "support/FixMaker.h"
#include "track/GpsTrackInfo.h"
#include "track/Milestones.h"

namespace rq {
namespace {

using test::kMetresPerDegree;
using test::MakeFix;

TEST(GpsTrackInfo, StatisticsFollowTheTable) {
    CLastFixValues last;
    CGpsTrackInfo t;
    t.fix = MakeFix(0, 0, 10, 90);
    t.UpdateStatistics(last);
    ++t.fixCount;
    EXPECT_DOUBLE_EQ(t.avgSpeed, 18.5318);
    EXPECT_DOUBLE_EQ(t.maxSpeed, 18.5318);
    EXPECT_NEAR(t.acceleration, 5.1477, 1e-4);
    EXPECT_EQ(t.ascentRate, 90 * 60) << "the first fix compares with 0";
    EXPECT_EQ(t.maxAltitude, 90);
    EXPECT_EQ(t.minAltitude, 90);

    t.fix = MakeFix(0, 0, 0, 100);
    t.UpdateStatistics(last);
    ++t.fixCount;
    EXPECT_DOUBLE_EQ(t.avgSpeed, 18.5318 / 2);
    EXPECT_EQ(t.ascentRate, 600);
    EXPECT_EQ(t.maxAltitude, 100);
    EXPECT_EQ(t.minAltitude, 90);
    EXPECT_NEAR(t.acceleration, -5.1477, 1e-4);

    // Two fixes at 0 and 20 km/h average 10.
    CGpsTrackInfo u;
    u.fix = MakeFix(0, 0, 0);
    u.UpdateStatistics(last);
    ++u.fixCount;
    u.fix = MakeFix(0, 0, 20 / 1.85318);
    u.UpdateStatistics(last);
    EXPECT_NEAR(u.avgSpeed, 10, 1e-12);
}

// A new track's drawing defaults; Clear keeps names, colour and follow flag, and the last
// speed and altitude, so the next fix shows no jump.
TEST(GpsTrackInfo, DefaultsAndWhatClearKeeps) {
    CGpsTrackInfo t;
    EXPECT_EQ((std::vector<unsigned>{t.colour, t.penStyle, t.penWidth, t.followFix}),
              (std::vector<unsigned>{0xFFFF00u, 0, 2, 0}));
    EXPECT_EQ(t.maxAltitude, kUnset);
    EXPECT_EQ(t.minAltitude, kUnset);
    EXPECT_FALSE(t.IsModified());
    EXPECT_EQ(t.GetMileage(), 0);

    CLastFixValues last;
    t.ownerId = u"+123";
    t.shortName = u"Bob";
    t.colour = 0x6C8C17;
    t.followFix = 1;
    t.AddHead(CGpsTrackCoordinate(1, 1));
    t.fix = MakeFix(0, 0, 10, 50);
    t.UpdateStatistics(last);
    t.startTime = 5;
    t.Clear();
    EXPECT_EQ(std::tuple(t.GetCount(), t.fix.IsValid(), t.startTime, t.fixCount, t.maxSpeed,
                         t.maxAltitude, t.IsModified()),
              std::tuple(0u, false, 0, 0u, 0.0, kUnset, true));
    EXPECT_EQ(std::tuple(t.ownerId + t.shortName, t.colour, t.followFix),
              std::tuple(u"+123Bob", 0x6C8C17u, 1u));
    t.fix = MakeFix(0, 0, 10, 50);
    t.UpdateStatistics(last);
    EXPECT_EQ(t.acceleration + t.ascentRate, 0);
}

TEST(GpsTrackInfo, StartTimeOnlyFromAYearAfter1980AndOnlyOnce) {
    CGpsTrackInfo t;
    t.fix.time = *platform::MakeLocalTime({1980, 12, 31, 23, 0, 0});
    t.UpdateStartTime();
    EXPECT_EQ(t.startTime, 0);
    const platform::TimeValue first = *platform::MakeLocalTime({2008, 3, 7, 9, 5, 2});
    t.fix.time = first;
    t.UpdateStartTime();
    EXPECT_EQ(t.startTime, first);
    t.fix.time = first + 60;
    t.UpdateStartTime();
    EXPECT_EQ(t.startTime, first);
}

TEST(GpsTrackInfo, MileageAddsTheWayToAUsableFix) {
    CGpsTrackInfo t;
    CGpsTrackCoordinate head(0, 0);
    head.distance = 1200;
    t.AddHead(head);
    t.fix = MakeFix(50 / kMetresPerDegree, 0);
    EXPECT_NEAR(t.GetMileage(), 1250, 1e-6);
    t.fix.gpsQuality = 0;
    EXPECT_EQ(t.GetMileage(), 1200) << "a fix that fails the gate adds nothing";
}

TEST(GpsTrackInfo, BoundsWithFixOnlyGrowByAValidFix) {
    CGpsTrackInfo t;
    t.AddHead(CGpsTrackCoordinate(1, 1));
    t.fix = MakeFix(2, 3);
    CDoubleRect b = t.GetBoundsWithFix();
    EXPECT_EQ(b.top, 2);
    EXPECT_EQ(b.right, 3);
    t.fix.m_lat.Set(kUnset);
    b = t.GetBoundsWithFix();
    EXPECT_EQ(b.top, 1);
    EXPECT_EQ(b.right, 1);
}

}  // namespace
}  // namespace rq
