#include <gtest/gtest.h>

#include <filesystem>

#include "app/Settings.h"
#include "platform/Files.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"
#include "track/TrackFile.h"
#include "view/GpsViewData.h"
#include "view/ModelFiles.h"

namespace rq {
namespace {

class ModelFilesTest : public test::UiAppTest {
protected:
    std::string Path(const std::string& relative) { return folder_ / relative; }
    void WriteFile(const std::string& relative, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(Path(relative)).parent_path());
        test::WriteText(Path(relative), bytes);
    }
};

TEST_F(ModelFilesTest, ExitSavesModifiedTracksAndStartUpLoadsThem) {
    CGpsViewData data;
    data.track.AddHead(CGpsTrackCoordinate(1, 2));
    CGpsTrackInfo* bob = data.friendTracks.AddOwner(u"+4912345", u"Bob", kFriendTrackColour);
    bob->AddHead(CGpsTrackCoordinate(3, 4));
    CGpsTrackInfo* quiet = data.friendTracks.AddOwner(u"quiet", u"", kFriendTrackColour);
    quiet->SetModified(false);
    quiet->pois.SetModified(false, true);
    EXPECT_TRUE(SaveModifiedTracks(data) && ui_.Texts().empty());
    EXPECT_TRUE(platform::PathExists(Path("tracks/my.tk")) &&
                platform::PathExists(Path("ftracks/+4912345.trk")));
    EXPECT_FALSE(std::filesystem::exists(Path("ftracks/quiet.trk"))) << "not modified";
    EXPECT_FALSE(data.track.IsModified());

    CGpsViewData next;
    LoadSavedTracks(next);
    EXPECT_TRUE(ui_.Texts().empty());
    ASSERT_EQ(next.track.GetCount(), 1u);
    EXPECT_EQ(next.track.GetHead()->m_lon.value, 2);
    ASSERT_EQ(next.friendTracks.GetCount(), 1u);
    CGpsTrackInfo* loaded = next.friendTracks.FindByOwner(u"+4912345");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(std::tuple(loaded->shortName, loaded->colour, loaded->GetCount()),
              std::tuple(u"Bob", kFriendTrackColour, 1u));
}

TEST_F(ModelFilesTest, BadFilesAtStartUpAreReportedAndSetAside) {
    WriteFile("tracks/my.tk.bad", "an earlier damaged track");
    WriteFile("tracks/my.tk", "not a track");
    WriteFile("ftracks/eve.trk", "junk");
    CGpsViewData data;
    data.track.AddHead(CGpsTrackCoordinate(1, 1));
    LoadSavedTracks(data);
    EXPECT_TRUE(data.track.GetCount() == 0 && data.friendTracks.GetCount() == 0);
    EXPECT_EQ(ui_.Texts(), (std::vector<std::u16string>{u"Loading track 'my.tk' failed.",
                                                        u"Loading track 'eve.trk' failed."}));
    // The next save cannot replace them: they are kept beside, the earlier one too.
    data.track.AddHead(CGpsTrackCoordinate(1, 1));
    data.friendTracks.AddOwner(u"eve", u"", kFriendTrackColour)->AddHead(CGpsTrackCoordinate(2, 2));
    EXPECT_TRUE(SaveModifiedTracks(data));
    for (auto [file, bytes] :
         {std::pair{"tracks/my.tk.bad", "an earlier damaged track"},
          std::pair{"tracks/my.tk.bad.1", "not a track"}, std::pair{"ftracks/eve.trk.bad", "junk"}})
        EXPECT_EQ(test::ReadText(Path(file)), bytes) << file;
}

TEST_F(ModelFilesTest, FailedSavesAreReportedOncePerFileAndUnsafeOwnersEscaped) {
    CGpsViewData data;
    data.track.AddHead(CGpsTrackCoordinate(1, 1));
    std::filesystem::create_directories(Path("tracks/my.tk/blocked"));
    data.friendTracks.AddOwner(u"../escape", u"", kFriendTrackColour)
        ->AddHead(CGpsTrackCoordinate(1, 1));
    data.friendTracks.AddOwner(u"ok", u"", kFriendTrackColour)->AddHead(CGpsTrackCoordinate(1, 1));
    EXPECT_FALSE(SaveModifiedTracks(data));
    EXPECT_EQ(ui_.Texts(), (std::vector<std::u16string>{u"Saving track 'my.tk' failed."}));
    EXPECT_TRUE(!platform::PathExists(Path("escape.trk")) &&
                platform::PathExists(Path("ftracks/ok.trk")));
    // The received identifier is kept, escaped, inside the folder, and read back as it was.
    EXPECT_TRUE(std::filesystem::exists(Path("ftracks/%002E%002E%002Fescape.trk")));
    CGpsViewData back;
    LoadSavedTracks(back);
    EXPECT_TRUE(back.friendTracks.FindByOwner(u"../escape") &&
                back.friendTracks.FindByOwner(u"ok"));
}

// A hand-written "+49 170.trk" beside the escaped "+49%0020170.trk" of the same owner,
// listed in either order: the escaped file is loaded, and neither file's history is
// saved over by the other's.
TEST_F(ModelFilesTest, TwinFriendTrackFilesNeverMergeOrOverwrite) {
    const std::string legacy = "+49 170.trk", own = "+49%0020170.trk";
    auto write = [&](const std::string& name, int points) {
        CGpsTrackInfo t;
        t.ownerId = u"+49 170";
        for (int i = 0; i < points; ++i) t.AddHead(CGpsTrackCoordinate(i, i));
        ASSERT_TRUE(SaveTrack("ftracks", name, t));
    };
    auto bytes = [&](const std::string& name) { return test::ReadText(Path("ftracks/" + name)); };
    for (const bool legacyFirst : {true, false}) {
        write(legacy, 1);
        write(own, 3);
        write("carol.trk", 2);  // names another owner inside
        const std::string legacyBytes = bytes(legacy), carolBytes = bytes("carol.trk");
        CGpsViewData data;
        LoadFriendTracks(data, legacyFirst ? std::vector<std::string>{legacy, "carol.trk", own}
                                           : std::vector<std::string>{own, "carol.trk", legacy});
        ASSERT_EQ(data.friendTracks.GetCount(), 1u) << legacyFirst;
        CGpsTrackInfo* track = data.friendTracks.FindByOwner(u"+49 170");
        ASSERT_NE(track, nullptr);
        EXPECT_EQ(track->GetCount(), 3u) << legacyFirst;
        track->AddHead(CGpsTrackCoordinate(9, 9));
        EXPECT_TRUE(SaveModifiedTracks(data));
        EXPECT_TRUE(bytes(legacy) == legacyBytes && bytes("carol.trk") == carolBytes)
            << legacyFirst;
        CGpsViewData next;
        LoadSavedTracks(next);
        ASSERT_EQ(next.friendTracks.GetCount(), 1u);
        EXPECT_EQ(next.friendTracks.FindByOwner(u"+49 170")->GetCount(), 4u);
    }
    // Alone, the twin is read, and saved under the escaped name.
    for (const std::string& name : {own, std::string("carol.trk")})
        std::filesystem::remove(Path("ftracks/" + name));
    CGpsViewData data;
    LoadSavedTracks(data);
    ASSERT_EQ(data.friendTracks.GetCount(), 1u);
    data.friendTracks.FindByOwner(u"+49 170")->SetModified(true);
    const std::string legacyBytes = bytes(legacy);
    EXPECT_TRUE(SaveModifiedTracks(data) && bytes(legacy) == legacyBytes && !bytes(own).empty());
    EXPECT_TRUE(ui_.Texts().empty());
}

TEST_F(ModelFilesTest, RouteAndNavigationAreRestored) {
    CGpsTrackInfo route;
    route.AddHead(CGpsTrackCoordinate(5, 6));
    ASSERT_TRUE(SaveTrack("tracks", "trip.trk", route));
    SetLastLoadedRoute(u"trip.trk");
    CGpsViewData none;
    none.navigating = 1;
    RestoreRouteAndNavigation(none);
    EXPECT_EQ(none.navigating, 0u) << "no saved navigation";
    SetNavigation(CCoordinate(7, 8), u"Hut", 1);
    CGpsViewData data;
    RestoreRouteAndNavigation(data);
    EXPECT_EQ(std::tuple(data.route.GetCount(), data.target.m_lat.value, data.target.name,
                         data.navigating),
              std::tuple(1u, 7.0, u"Hut", 1u));
    EXPECT_TRUE(ui_.Texts().empty());

    WriteFile("tracks/trip.trk", "broken");
    CGpsViewData again;
    RestoreRouteAndNavigation(again);
    EXPECT_EQ(again.route.GetCount(), 0u);
    EXPECT_EQ(GetLastLoadedRoute(), u"") << "so the message is not repeated next time";
    EXPECT_EQ(ui_.Texts(), (std::vector<std::u16string>{u"Loading route 'trip.trk' failed."}));

    // A route that is gone is skipped silently.
    SetLastLoadedRoute(u"gone.trk");
    RestoreRouteAndNavigation(again);
    EXPECT_EQ(ui_.Texts().size(), 1u);
}

}  // namespace
}  // namespace rq
