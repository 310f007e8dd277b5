#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "support/CaseTable.h"
#include "support/FixMaker.h"
#include "track/GpsTrackInfo.h"
#include "track/Milestones.h"

namespace rq {
namespace {

using test::kMetresPerDegree;
using test::MakeFix;

TEST(GpsTrackInfo, StatisticsFollowTheTable) {
    CLastFixValues last;
    auto t = std::make_unique<CGpsTrackInfo>();
    for (const auto& row : test::CaseTable("cases/track-statistics.txt")) {
        if (row[0] == "new") t = std::make_unique<CGpsTrackInfo>();
        t->fix = MakeFix(0, 0, std::stod(row[1]) / 1.85318, std::stod(row[2]));
        t->UpdateStatistics(last);
        ++t->fixCount;
        const double got[] = {t->avgSpeed,   t->maxSpeed,    t->acceleration,
                              t->ascentRate, t->maxAltitude, t->minAltitude};
        for (int i = 0; i < 6; ++i) {
            if (row[3 + i] != "-") {
                EXPECT_NEAR(got[i], std::stod(row[3 + i]), 1e-4) << row[1] << " km/h, value " << i;
            }
        }
    }
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

TEST(Milestones, InitialAsksAndRestartsTheCount) {
    CGpsTrack track;
    CGpsTrackCoordinate old(0, 0);
    old.distance = 500;
    track.AddHead(old);
    const CCoordinate fix(0.01, 0);
    int asked = 0;
    EXPECT_FALSE(AddInitialMilestone(track, fix, [&] {
        ++asked;
        return false;
    }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(track.GetCount(), 1u) << "No changes nothing";
    EXPECT_TRUE(AddInitialMilestone(track, fix, [] { return true; }));
    ASSERT_EQ(track.GetCount(), 2u);
    EXPECT_EQ(track.GetHead()->milestone, 1u);
    EXPECT_EQ(track.GetHead()->distance, 0);
    EXPECT_EQ(track.GetTail()->distance, 500) << "older points keep theirs";
}

TEST(Milestones, AddContinuesTheDistanceOrMarksTheHead) {
    CGpsTrack track;
    CCoordinate fix(0, 0);
    EXPECT_TRUE(AddMilestone(track, fix)) << "an empty track gets a milestone without asking";
    EXPECT_EQ(track.GetHead()->milestone, 1u);
    CGpsTrackCoordinate* head = track.GetHead();
    head->distance = 100;
    head->milestone = 0;
    EXPECT_FALSE(AddMilestone(track, fix));
    EXPECT_EQ(track.GetCount(), 1u);
    EXPECT_EQ(track.GetHead()->milestone, 1u);
    CCoordinate further(100 / kMetresPerDegree, 0);
    EXPECT_TRUE(AddMilestone(track, further));
    EXPECT_NEAR(track.GetHead()->distance, 200, 1e-6);
    EXPECT_EQ(track.GetHead()->course, 0);
}

}  // namespace
}  // namespace rq
