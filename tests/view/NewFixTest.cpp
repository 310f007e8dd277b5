#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

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

// Fixes as (latitude, longitude) in degrees; the number of points kept at the end.
TEST(OnNewFix, PointsKeptByThresholdsAndFilter) {
    const double e = std::tan(1.0 * M_PI / 180.0) * NorthOf(100);  // a 1 degree bearing
    std::vector<std::pair<double, double>> zigzag, line;
    for (int i = 0; i < 20; ++i) {
        zigzag.emplace_back(NorthOf(i * 10), (i % 2) * 0.001);
        line.emplace_back(NorthOf(i * 10), 0);
    }
    const struct {
        const char* what;
        CRecordingSettings s;
        std::vector<std::pair<double, double>> fixes;
        std::size_t points;
    } walks[] = {
        {"the first valid fix whatever the thresholds", {60, 9999999, 2}, {{1, 2}}, 1},
        {"below the segment threshold", {60, 9999999, 2}, {{1, 2}, {1.5, 2}}, 1},
        {"distance 0 is not below 0", {10, 0, 5000}, {{0, 0}, {0, 0}}, 2},
        {"a zig-zag never runs straight", {10, 0, 5000}, zigzag, 20},
        {"straight north: every middle point goes", {10, 0, 5000}, line, 2},
        {"three points north", {10, 6, 5000}, {{0, 10}, {NorthOf(100), 10}, {NorthOf(250), 10}}, 2},
        // 359 degrees then 1 degree: a plain difference of 358.
        {"bearings either side of north turn",
         {10, 0, 5000},
         {{0, 10 + e}, {NorthOf(100), 10}, {NorthOf(200), 10 + e}},
         3},
    };
    for (const auto& w : walks) {
        CGpsViewData data;
        for (const auto& [lat, lon] : w.fixes) OnNewFix(data, MakeFix(lat, lon), w.s, nullptr);
        EXPECT_EQ(data.track.GetCount(), w.points) << w.what;
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
    CGpsPosition bad = MakeFix(5, 6);
    bad.fixMode = 1;
    OnNewFix(data, bad, CRecordingSettings{}, nullptr);
    EXPECT_EQ(data.track.GetCount(), 0u);
    EXPECT_TRUE(data.track.IsModified());
    EXPECT_EQ(data.track.fixCount, 0u);

    CGpsPosition unchanged = MakeFix(5, 6);
    unchanged.changedMask = 0;
    OnNewFix(data, unchanged, CRecordingSettings{}, nullptr);
    EXPECT_EQ(data.track.GetCount(), 0u) << "an unchanged fix is not counted";

    CGpsPosition cases[4] = {MakeFix(5, 6), MakeFix(5, 6), MakeFix(5, 6), MakeFix(5, 6)};
    cases[0].hdop = 15.5;
    cases[1].gpsQuality = 0;
    cases[2].pdop = -1;
    cases[3].vdop = 50;
    for (const CGpsPosition& f : cases) OnNewFix(data, f, CRecordingSettings{}, nullptr);
    EXPECT_EQ(data.track.GetCount(), 0u);
    cases[0].hdop = 15;
    OnNewFix(data, cases[0], CRecordingSettings{}, nullptr);
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
        EXPECT_EQ(t.fix.m_lat.value, 5) << place[0];
        EXPECT_EQ(t.fix.m_lon.value, 6) << place[1];
        EXPECT_EQ(t.fix.speed, 70) << "the other fields are the new fix's";
        EXPECT_TRUE(t.IsModified());
        EXPECT_EQ(t.GetCount(), 1u) << "no second point at the kept position";
        EXPECT_EQ(t.fixCount, 1u);
        EXPECT_EQ(t.maxAltitude, 100);
        EXPECT_NEAR(t.maxSpeed, 3 * 1.85318, 1e-9);
        EXPECT_EQ(t.etaSeconds, eta) << "navigation saw no new speed";
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
    EXPECT_EQ(display.centre.m_lat.value, 3);
}

}  // namespace
}  // namespace rq
