#include <gtest/gtest.h>

#include <filesystem>

#include "controls/GpsMapControl.h"
#include "friends/FriendTrackFileName.h"
#include "support/AppTest.h"
#include "support/FixMaker.h"
#include "view/ControlModelOf.h"
#include "view/DlgTrackList.h"

namespace rq {
namespace {

class DlgTrackListTest : public test::UiAppTest {
protected:
    void SetUp() override {
        UiAppTest::SetUp();
        std::filesystem::create_directory(folder_ / "ftracks");
        map_.SetInvalidate([this] { ++repaints_; });
        // "+1" has a name and a file, "+2" neither, Eve no fix.
        data_.friendTracks.AddOwner(u"+1", u"Bob", kFriendTrackColour)->fix = test::MakeFix(1, 2);
        data_.friendTracks.AddOwner(u"+2", u"", kFriendTrackColour)->fix = test::MakeFix(-5, 7);
        data_.friendTracks.AddOwner(u"+3", u"Eve", kFriendTrackColour);
        test::WriteText(FilePath(u"+1"), "track");
        dlg_.Open();
    }
    std::string FilePath(std::u16string_view owner) const {
        return folder_ / ("ftracks/" + FriendTrackFileName(owner));
    }
    std::u16string LastMessage() const { return ui_.Messages().back().text; }
    void DeleteRow(std::size_t row) {
        dlg_.Select(row);
        ui_.AnswerNext(platform::MessageAnswer::Yes);
        dlg_.Delete();
    }

    CGpsViewData data_;
    CGpsMapControl map_{ControlModelOf(data_)};
    CDlgTrackList dlg_{map_, data_, CDlgTrackList::Bar::GoToMenu};
    int repaints_ = 0;
};

TEST_F(DlgTrackListTest, EntriesGoToAndNavigate) {
    ASSERT_EQ(dlg_.Items().size(), 3u);
    EXPECT_EQ(dlg_.Items()[0].text, u"+1 Bob");
    EXPECT_EQ(dlg_.Items()[1].text, u"+2");
    EXPECT_EQ(dlg_.Selection(), 0u);

    dlg_.Select(std::nullopt);
    EXPECT_FALSE(dlg_.Ok());
    EXPECT_FALSE(dlg_.Navigate());
    dlg_.Delete();
    ASSERT_EQ(ui_.Messages().size(), 3u);
    for (const auto& shown : ui_.Messages()) EXPECT_EQ(shown.text, u"Select a track first.");

    dlg_.Select(1);
    EXPECT_TRUE(dlg_.Ok()) << "the left key of this bar is Go to";
    EXPECT_TRUE(map_.GetCenter().IsSamePosition(CCoordinate(-5, 7)));
    EXPECT_EQ(data_.navigating, 0u);
    EXPECT_TRUE(dlg_.Navigate());
    EXPECT_EQ(data_.target.name, u"+2") << "no short name: the owner names the target";

    dlg_.Select(2);
    data_.navigating = 0;
    EXPECT_FALSE(dlg_.Navigate());
    EXPECT_EQ(LastMessage(), u"Can not navigate due to no position information of your friend.");
    EXPECT_EQ(data_.navigating, 0u);
}

TEST_F(DlgTrackListTest, DeleteRemovesTrackAndFileOrNothing) {
    // An address that points out of the folder only ever names a file inside it.
    test::WriteText(folder_ / "evil.trk", "keep");
    data_.friendTracks.AddOwner(u"../evil", u"", kFriendTrackColour);
    // A file that cannot be deleted (a folder with content in its place) keeps all.
    std::filesystem::create_directories(FilePath(u"+2") + "/x");
    dlg_.Open();

    dlg_.Delete();  // answered No
    EXPECT_EQ(LastMessage(), u"Are you sure to delete track '+1'?");
    DeleteRow(0);
    EXPECT_FALSE(platform::PathExists(FilePath(u"+1")));
    EXPECT_EQ(data_.friendTracks.FindByOwner(u"+1"), nullptr);
    EXPECT_EQ(dlg_.Items().size(), 3u);
    EXPECT_EQ(dlg_.Selection(), 0u);
    EXPECT_EQ(repaints_, 1);

    DeleteRow(0);  // "+2": its file will not go
    EXPECT_EQ(LastMessage(), u"Deleting track '+2' failed");
    EXPECT_EQ(dlg_.Items().size(), 3u);
    EXPECT_NE(data_.friendTracks.FindByOwner(u"+2"), nullptr);

    // Tracks whose file was never written go all the same; deleting the last entry
    // selects the new last.
    DeleteRow(2);
    EXPECT_EQ(dlg_.Selection(), 1u);
    DeleteRow(1);
    EXPECT_EQ(dlg_.Selection(), 0u);
    EXPECT_EQ(data_.friendTracks.GetCount(), 1u);
    EXPECT_EQ(test::ReadText(folder_ / "evil.trk"), "keep");
}

}  // namespace
}  // namespace rq
