#include <gtest/gtest.h>

#include "track/Milestones.h"

namespace rq {
namespace {

constexpr double kMetresPerDegree = 111200.162632;

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
