#include <gtest/gtest.h>

#include "support/CaseTable.h"
#include "support/FixMaker.h"
#include "view/GpsViewData.h"
#include "view/Navigation.h"
#include "view/NewFix.h"

namespace rq {
namespace {

using test::kMetresPerDegree;
using test::MakeFix;

TEST(Navigation, DistanceEtaAndArrival) {
    for (const auto& row : test::CaseTable("cases/navigation-eta.txt")) {
        const double metres = std::stod(row[0]);
        CGpsViewData data;
        SetNavigationTarget(data, CCoordinate(metres / kMetresPerDegree, 0), u"T");
        data.track.fix = MakeFix(0, 0, std::stod(row[1]));
        UpdateNavigation(data);
        EXPECT_NEAR(data.track.navDistance, metres, 1e-6) << row[0];
        EXPECT_EQ(data.track.etaSeconds, std::stol(row[2])) << row[0] << " " << row[1];
        EXPECT_EQ(data.navigating, std::stoul(row[3])) << row[0];
        // Stopping keeps the target.
        StopNavigation(data);
        EXPECT_EQ(data.navigating, 0u);
        EXPECT_NEAR(data.target.m_lat.value, metres / kMetresPerDegree, 1e-12);
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
    EXPECT_EQ(std::tuple(data.target.m_lat.value, data.target.name), std::tuple(6.0, u"Bob"));
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
