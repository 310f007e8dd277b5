#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "support/CaseTable.h"
#include "support/FixMaker.h"
#include "support/RecordingDisplay.h"
#include "track/Milestones.h"
#include "view/GpsViewData.h"
#include "view/NewFix.h"

namespace rq {
namespace {

using test::kMetresPerDegree;
using test::MakeFix;

using test::RecordingDisplay;

double NorthOf(double metres) {
    return metres / kMetresPerDegree;
}

TEST(OnNewFix, StraightWalkNorthKeepsEndsAndMeasuresItsLength) {
    CGpsViewData data;
    for (int i = 0; i <= 100; ++i)
        OnNewFix(data, MakeFix(NorthOf(i * 10.0), 10.0), CRecordingSettings{}, nullptr);
    CGpsTrackInfo& t = data.track;
    ASSERT_EQ(t.GetCount(), 2u) << "the middle points of a straight line go";
    EXPECT_NEAR(t.GetTail()->m_lat.value, 0.0, 1e-12);
    EXPECT_NEAR(t.GetHead()->m_lat.value, NorthOf(1000), 1e-12);
    EXPECT_NEAR(t.GetHead()->distance, 1000.0, 1000.0 * 0.005);
    EXPECT_NEAR(t.GetMileage(), 1000.0, 1000.0 * 0.005);
    EXPECT_EQ(t.GetTail()->course, 0) << "the first point's course points north";
    EXPECT_EQ(t.fixCount, 101u);
}

// Walks from tests/data, each with its thresholds and the number of points kept.
TEST(OnNewFix, PointsKeptByThresholdsAndFilter) {
    for (const auto& row : test::CaseTable("cases/track-filter-walks.txt")) {
        const auto n = [&row](int i) { return static_cast<std::uint32_t>(std::stoul(row[i])); };
        const CRecordingSettings s{n(1), n(2), n(3)};
        CGpsViewData data;
        std::istringstream fixes(row[4]);
        for (double north = 0, east = 0; fixes >> north >> east;)
            OnNewFix(data, MakeFix(NorthOf(north), east), s, nullptr);
        EXPECT_EQ(data.track.GetCount(), n(5)) << row[0];
    }
    // Joining the distances of a dropped middle point.
    CGpsViewData data;
    for (double m : {0, 100, 250}) OnNewFix(data, MakeFix(NorthOf(m), 10), {10, 6, 5000}, nullptr);
    EXPECT_NEAR(data.track.GetHead()->distance, 250, 1e-6);
    EXPECT_EQ(data.track.GetTail()->course, 0);
    EXPECT_EQ(data.track.GetTail()->distance, 0);
}

TEST(OnNewFix, MilestoneInAStraightLineIsKept) {
    CGpsViewData data;
    CRecordingSettings s;
    OnNewFix(data, MakeFix(0, 10), s, nullptr);
    OnNewFix(data, MakeFix(NorthOf(100), 10), s, nullptr);
    ASSERT_FALSE(AddMilestone(data.track, data.track.fix)) << "the fix is at the head";
    EXPECT_EQ(data.track.GetHead()->milestone, 1u);
    OnNewFix(data, MakeFix(NorthOf(200), 10), s, nullptr);
    OnNewFix(data, MakeFix(NorthOf(300), 10), s, nullptr);
    std::vector<std::uint32_t> milestones;
    for (const auto& p : data.track.Points()) milestones.push_back(p.milestone);
    EXPECT_EQ(milestones, (std::vector<std::uint32_t>{0, 1, 0}));
}

TEST(OnNewFix, MaximumOfTwoPointsNeverHoldsMore) {
    CGpsViewData data;
    CRecordingSettings s{60, 0, 2};
    for (int i = 0; i < 50; ++i) {
        OnNewFix(data, MakeFix(NorthOf(i * 10), (i % 3) * 0.0001), s, nullptr);
        ASSERT_LE(data.track.GetCount(), 2u) << i;
    }
    // The oldest points go; the head keeps its running distance.
    EXPECT_GT(data.track.GetHead()->distance, 400);
}

TEST(OnNewFix, FixWithoutUsableFixChangesOnlyTheFixAndTheModifiedFlag) {
    CGpsViewData data;
    CGpsPosition f[6];
    for (CGpsPosition& x : f) x = MakeFix(5, 6);
    f[0].fixMode = 1;
    f[1].changedMask = 0;  // unchanged: not counted
    f[2].hdop = 15.5;
    f[3].gpsQuality = 0;
    f[4].pdop = -1;
    f[5].vdop = 50;
    for (const CGpsPosition& x : f) OnNewFix(data, x, CRecordingSettings{}, nullptr);
    EXPECT_TRUE(data.track.GetCount() == 0 && data.track.fixCount == 0);
    EXPECT_TRUE(data.track.IsModified());
    f[2].hdop = 15;
    OnNewFix(data, f[2], CRecordingSettings{}, nullptr);
    EXPECT_EQ(data.track.GetCount(), 1u) << "15 is within the limit";
}

// Good quality but no usable coordinate: the fix is shown at the last known position
// and counted nowhere (no point, no statistics, no navigation, no fix count).
TEST(OnNewFix, FixWithoutCoordinateKeepsTheLastPositionAndIsNotCounted) {
    const double badPlaces[][2] = {{kUnset, kUnset}, {91, 6}, {5, -180.5}, {kUnset, 6}};
    for (const auto& place : badPlaces) {
        CGpsViewData data;
        data.navigating = 1;
        data.target.m_lat.Set(5.001);
        data.target.m_lon.Set(6);
        const CRecordingSettings s{10, 0, 5000};
        OnNewFix(data, MakeFix(5, 6, 3, 100), s, nullptr);
        const std::int32_t eta = data.track.etaSeconds;
        data.track.SetModified(false);
        OnNewFix(data, MakeFix(place[0], place[1], 70, 900), s, nullptr);
        const CGpsTrackInfo& t = data.track;
        SCOPED_TRACE(std::to_string(place[0]) + "," + std::to_string(place[1]));
        // The position kept, the other fields the new fix's.
        EXPECT_EQ(std::tuple(t.fix.m_lat.value, t.fix.m_lon.value, t.fix.speed, t.IsModified()),
                  std::tuple(5.0, 6.0, 70.0, true));
        // No second point at the kept position, no statistics, navigation saw no new speed.
        EXPECT_EQ(std::tuple(t.GetCount(), t.fixCount, t.maxAltitude, t.etaSeconds),
                  std::tuple(1u, 1u, 100.0, eta));
        EXPECT_NEAR(t.maxSpeed, 3 * 1.85318, 1e-9);
    }
}

TEST(OnNewFix, CurrentFixKeepsItsLongitudeScaleAcrossFixesAndClear) {
    CGpsViewData data;
    CRecordingSettings s{10, 0, 5000};
    OnNewFix(data, MakeFix(60, 0), s, nullptr);
    OnNewFix(data, MakeFix(60, 0.001), s, nullptr);
    const double scale = data.track.fix.lonScale;
    ASSERT_GT(scale, 0);
    data.track.Clear();
    OnNewFix(data, MakeFix(0, 0), s, nullptr);
    OnNewFix(data, MakeFix(0, 0.001), s, nullptr);
    EXPECT_EQ(data.track.fix.lonScale, scale);
    EXPECT_NEAR(data.track.GetHead()->distance, 0.001 * scale, 1e-9)
        << "the equator measured with the scale of latitude 60";
}

TEST(OnNewFix, DisplayIsRefreshedAndFollowCentresOnlyOnAValidFix) {
    CGpsViewData data;
    RecordingDisplay display;
    OnNewFix(data, MakeFix(kUnset, kUnset), CRecordingSettings{}, &display);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"info", "refresh"}));
    data.track.followFix = 1;
    display.calls.clear();
    OnNewFix(data, MakeFix(kUnset, kUnset), CRecordingSettings{}, &display);
    EXPECT_EQ(display.calls, (std::vector<std::string>{"info", "refresh"}));
    display.calls.clear();
    CGpsPosition poor = MakeFix(3, 4);
    poor.gpsQuality = 0;
    OnNewFix(data, poor, CRecordingSettings{}, &display);
    EXPECT_EQ(display.calls,
              (std::vector<std::string>{"info", "centre 3.000000,4.000000", "refresh"}));
}

}  // namespace
}  // namespace rq
