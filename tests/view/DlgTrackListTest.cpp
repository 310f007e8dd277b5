#include <gtest/gtest.h>

#include <filesystem>

#include "app/Settings.h"
#include "controls/GpsMapControl.h"
#include "friends/FriendTrackFileName.h"
#include "support/AppTest.h"
#include "support/FixMaker.h"
#include "view/ControlModelOf.h"
#include "view/DlgTrackList.h"

namespace rq {
namespace {

using platform::MessageAnswer;

class DlgTrackListTest : public test::UiAppTest {
protected:
    void SetUp() override {
        UiAppTest::SetUp();
        std::filesystem::create_directory(folder_ / "ftracks");
        map_.SetInvalidate([this] { ++repaints_; });
        // Bob has a fix and a file; "+2" neither a name nor a file; Eve no fix.
        AddTrack(u"+1", u"Bob", test::MakeFix(10, 20));
        AddTrack(u"+2", u"", test::MakeFix(-5, 7));
        data_.friendTracks.AddOwner(u"+3", u"Eve", kFriendTrackColour);
        test::WriteText(FilePath(u"+1"), "track");
    }
    void AddTrack(std::u16string_view owner, std::u16string_view name, const CGpsPosition& fix) {
        data_.friendTracks.AddOwner(owner, name, kFriendTrackColour)->fix = fix;
    }
    std::string FilePath(std::u16string_view owner) const {
        return folder_ / ("ftracks/" + FriendTrackFileName(owner));
    }
    std::u16string LastMessage() const { return ui_.Messages().back().text; }

    CGpsViewData data_;
    CGpsMapControl map_{ControlModelOf(data_)};
    int repaints_ = 0;
};

TEST_F(DlgTrackListTest, EntriesGoToAndNavigate) {
    CDlgTrackList dlg(map_, data_, CDlgTrackList::Bar::GoToMenu);
    dlg.Open();
    ASSERT_EQ(dlg.Items().size(), 3u);
    EXPECT_EQ(dlg.Items()[0].text, u"+1 Bob");
    EXPECT_EQ(dlg.Items()[1].text, u"+2");
    EXPECT_EQ(dlg.Selection(), 0u);

    dlg.Select(std::nullopt);
    EXPECT_FALSE(dlg.Ok());
    EXPECT_FALSE(dlg.Navigate());
    dlg.Delete();
    ASSERT_EQ(ui_.Messages().size(), 3u);
    for (const auto& shown : ui_.Messages()) EXPECT_EQ(shown.text, u"Select a track first.");

    dlg.Select(1);
    EXPECT_TRUE(dlg.Ok()) << "the left key of this bar is Go to";
    EXPECT_EQ(map_.GetCenter().m_lat.value, -5);
    EXPECT_EQ(data_.navigating, 0u);

    dlg.Select(2);
    EXPECT_FALSE(dlg.Navigate());
    EXPECT_EQ(LastMessage(), u"Can not navigate due to no position information of your friend.");
    EXPECT_EQ(data_.navigating, 0u);

    // Without a short name the owner names the target; the settings follow at once.
    for (std::size_t row : {1u, 0u}) {
        dlg.Select(row);
        ASSERT_TRUE(dlg.Navigate());
        CCoordinate stored;
        std::u16string name;
        std::uint32_t status = 0;
        ASSERT_TRUE(GetNavigation(stored, name, status));
        EXPECT_EQ(name, row == 0 ? u"Bob" : u"+2");
        EXPECT_EQ(status, 1u);
        EXPECT_TRUE(stored.IsSamePosition(dlg.Items()[row].track->fix));
        EXPECT_TRUE(data_.target.IsSamePosition(stored));
        EXPECT_TRUE(map_.GetCenter().IsSamePosition(stored));
    }
    CDlgTrackList choice(map_, data_, CDlgTrackList::Bar::Navigate);
    choice.Open();
    data_.navigating = 0;
    EXPECT_TRUE(choice.Ok()) << "the left key of the friend choice navigates";
    EXPECT_EQ(data_.navigating, 1u);
}

TEST_F(DlgTrackListTest, DeleteRemovesTrackAndFileOrNothing) {
    // An address that points out of the folder only ever names a file inside it.
    test::WriteText(folder_ / "evil.trk", "keep");
    data_.friendTracks.AddOwner(u"../evil", u"", kFriendTrackColour);
    // A file that cannot be deleted (a folder with content in its place) keeps all.
    std::filesystem::create_directories(FilePath(u"+2") + "/x");

    CDlgTrackList dlg(map_, data_, CDlgTrackList::Bar::GoToMenu);
    dlg.Open();
    dlg.Delete();  // answered No
    EXPECT_EQ(LastMessage(), u"Are you sure to delete track '+1'?");
    EXPECT_EQ(dlg.Items().size(), 4u);
    EXPECT_TRUE(platform::PathExists(FilePath(u"+1")));

    ui_.AnswerNext(MessageAnswer::Yes);
    dlg.Delete();
    EXPECT_FALSE(platform::PathExists(FilePath(u"+1")));
    EXPECT_EQ(data_.friendTracks.FindByOwner(u"+1"), nullptr);
    ASSERT_EQ(dlg.Items().size(), 3u);
    EXPECT_EQ(dlg.Selection(), 0u);
    EXPECT_EQ(repaints_, 1);

    ui_.AnswerNext(MessageAnswer::Yes);
    dlg.Delete();  // "+2": its file will not go
    EXPECT_EQ(LastMessage(), u"Deleting track '+2' failed");
    EXPECT_EQ(ui_.Messages().back().icon, platform::MessageIcon::Error);
    EXPECT_EQ(dlg.Items().size(), 3u);
    EXPECT_NE(data_.friendTracks.FindByOwner(u"+2"), nullptr);

    // Tracks whose file was never written go all the same; deleting the last entry
    // selects the new last.
    for (std::size_t row : {2u, 1u}) {
        dlg.Select(row);
        ui_.AnswerNext(MessageAnswer::Yes);
        dlg.Delete();
        EXPECT_EQ(dlg.Selection(), row - 1);
    }
    EXPECT_EQ(dlg.Items().size(), 1u);
    EXPECT_EQ(data_.friendTracks.GetCount(), 1u);
    EXPECT_EQ(test::ReadText(folder_ / "evil.trk"), "keep");
}

}  // namespace
}  // namespace rq
