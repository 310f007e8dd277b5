#include <gtest/gtest.h>

#include "support/FixMaker.h"
#include "view/GpsViewData.h"
#include "view/Navigation.h"
#include "view/NewFix.h"

namespace rq {
namespace {

using test::kMetresPerDegree;
using test::MakeFix;

TEST(Navigation, DistanceEtaAndArrival) {
    struct Case {
        double metres;
        double knots;
        std::int32_t eta;
        bool stillNavigating;
    } cases[] = {
        {1000, 10, 194, true},  // 1000 / 5.14772..., truncated
        {1000, 0, 0, true},
        {50.01, 1, 97, true},
        {50, 1, 97, false},
        {0, 3, 0, false},
        {kMetresPerDegree, 1e-9, 2147483647, true},  // crawling: the largest time, no overflow
    };
    for (const Case& c : cases) {
        CGpsViewData data;
        SetNavigationTarget(data, CCoordinate(c.metres / kMetresPerDegree, 0), u"T");
        data.track.fix = MakeFix(0, 0, c.knots);
        UpdateNavigation(data);
        EXPECT_NEAR(data.track.navDistance, c.metres, 1e-6) << c.metres;
        EXPECT_EQ(data.track.etaSeconds, c.eta) << c.metres << " " << c.knots;
        EXPECT_EQ(data.navigating != 0, c.stillNavigating) << c.metres;
        // Stopping keeps the target.
        StopNavigation(data);
        EXPECT_EQ(data.navigating, 0u);
        EXPECT_NEAR(data.target.m_lat.value, c.metres / kMetresPerDegree, 1e-12);
    }
}

TEST(Navigation, OnlyCountedFixesUpdateTheFigures) {
    CGpsViewData data;
    SetNavigationTarget(data, CCoordinate(1000 / kMetresPerDegree, 0), u"");
    CGpsPosition poor = MakeFix(0, 0, 10);
    poor.gpsQuality = 0;
    OnNewFix(data, poor, CRecordingSettings{}, nullptr);
    EXPECT_EQ(data.track.navDistance, 0);
    OnNewFix(data, MakeFix(0, 0, 10), CRecordingSettings{}, nullptr);
    EXPECT_NEAR(data.track.navDistance, 1000, 1e-6);
    OnNewFix(data, MakeFix(980 / kMetresPerDegree, 0, 10), CRecordingSettings{}, nullptr);
    EXPECT_EQ(data.navigating, 0u) << "arrived";
}

TEST(Navigation, FriendFollowingMovesOnlyATargetAtTheFriendsFix) {
    CGpsViewData data;
    CGpsTrackInfo* friendTrack = data.friendTracks.AddOwner(u"+1", u"", kFriendTrackColour);
    friendTrack->fix = MakeFix(5, 5);
    SetNavigationTarget(data, CCoordinate(5, 5), u"Bob");
    FollowFriend(data, *friendTrack, CCoordinate(6, 6));
    EXPECT_EQ(data.target.m_lat.value, 5) << "an empty friend track is not followed";
    friendTrack->AddHead(CGpsTrackCoordinate(5, 5));
    FollowFriend(data, *friendTrack, CCoordinate(6, 6));
    EXPECT_EQ(data.target.m_lat.value, 6);
    EXPECT_EQ(data.target.name, u"Bob");
    friendTrack->fix = MakeFix(6, 6);
    StopNavigation(data);
    FollowFriend(data, *friendTrack, CCoordinate(7, 7));
    EXPECT_EQ(data.target.m_lat.value, 6) << "not while navigation is off";
    SetNavigationTarget(data, CCoordinate(1, 1), u"");
    FollowFriend(data, *friendTrack, CCoordinate(7, 7));
    EXPECT_EQ(data.target.m_lat.value, 1) << "another target stays";
}

}  // namespace
}  // namespace rq
