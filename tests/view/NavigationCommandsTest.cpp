// "Sensitivity", "Navigate To ..." with every source, "Stop Navigating" and the friend
// track list, with scripted dialogs.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "app/Settings.h"
#include "controls/GpsMapControl.h"
#include "friends/FriendTrackFileName.h"
#include "platform/Text.h"
#include "support/AppTest.h"
#include "support/CaseTable.h"
#include "support/FixMaker.h"
#include "support/RecordingDisplay.h"
#include "track/RecordingSettings.h"
#include "view/ControlModelOf.h"
#include "view/Navigation.h"
#include "view/NavigationCommands.h"
#include "view/NavigationDialogs.h"

namespace rq {
namespace {

using Source = CDlgNavigateTo::Source;

// Answers from the script and writes down what was opened.
class ScriptedDialogs : public NavigationDialogs {
public:
    bool RunGpsSensitivity(CDlgGpsSensitivity& dlg) override {
        for (const auto& texts : typed) {
            dlg.text = texts;
            if (dlg.Ok()) return true;
        }
        return false;  // Cancel
    }
    bool RunNavigateTo(CDlgNavigateTo& dlg) override {
        opened += "navigate by;";
        dlg.Select(source);
        return source && dlg.Ok();
    }
    bool RunTrackList(CDlgTrackList& dlg) override {
        opened += dlg.CommandBar() == CDlgTrackList::Bar::Navigate ? "friends;" : "?;";
        dlg.Open();
        return dlg.Ok();
    }
    void RunPoiManager(CPoiCollection& pois) override {
        opened += "pois;";
        poiManagerOn = &pois;
    }
    std::optional<CCoordinate> RunPositionMessagesToNavigate() override {
        opened += "messages;";
        // The list's own "Navigate" sets the target before it closes with 100.
        if (message) SetNavigationTarget(*data, *message, u"");
        return message;
    }

    std::optional<std::size_t> source;  // none: Cancel
    std::vector<std::array<std::u16string, 3>> typed;
    std::optional<CCoordinate> message;
    std::string opened;
    CPoiCollection* poiManagerOn = nullptr;
    CGpsViewData* data = nullptr;
};

class NavigationCommandsTest : public test::UiAppTest {
protected:
    void SetUp() override {
        UiAppTest::SetUp();
        std::filesystem::create_directory(folder_ / "ftracks");
        map_.SetCenter(CCoordinate(47, 8));
        map_.SetInvalidate([this] { ++repaints_; });
        data_.track.fix = test::MakeFix(48.1, 11.5);
        // "+1" has a name and a file, "+2" neither, Eve no fix.
        data_.friendTracks.AddOwner(u"+1", u"Bob", kFriendTrackColour)->fix = test::MakeFix(10, 20);
        data_.friendTracks.AddOwner(u"+2", u"", kFriendTrackColour)->fix = test::MakeFix(-5, 7);
        data_.friendTracks.AddOwner(u"+3", u"Eve", kFriendTrackColour);
        test::WriteText(FilePath(u"+1"), "track");
        dialogs_.data = &data_;
        list_.Open();
    }
    void Run() {
        display_.calls.clear();
        dialogs_.opened.clear();
        NavigateToCommand(data_, map_, display_, dialogs_);
    }
    std::string FilePath(std::u16string_view owner) const {
        return folder_ / ("ftracks/" + FriendTrackFileName(owner));
    }
    void DeleteRow(std::size_t row) {
        list_.Select(row);
        ui_.AnswerNext(platform::MessageAnswer::Yes);
        list_.Delete();
    }

    CGpsViewData data_;
    CGpsMapControl map_{ControlModelOf(data_)};
    test::RecordingDisplay display_;
    ScriptedDialogs dialogs_;
    CDlgTrackList list_{map_, data_, CDlgTrackList::Bar::GoToMenu};
    int repaints_ = 0;
};

TEST_F(NavigationCommandsTest, SensitivityChecksEachFieldAndStoresOnlyOnOk) {
    const auto rows = test::CaseTable("cases/sensitivity-fields.txt");
    ASSERT_EQ(rows.size(), 9u);
    for (const auto& row : rows) {
        ui_.ClearMessages();
        CDlgGpsSensitivity dlg(CRecordingSettings{});
        dlg.text = {platform::Widen(row[0]), platform::Widen(row[1]), platform::Widen(row[2])};
        EXPECT_EQ(dlg.Ok(), row[3].empty()) << row[0];
        if (row[3].empty()) {
            EXPECT_FALSE(dlg.FailedField());
            EXPECT_EQ(dlg.Result().taThreshold, std::stoul(row[0]));
            EXPECT_TRUE(ui_.Messages().empty());
        } else {
            EXPECT_EQ(dlg.FailedField(), CDlgGpsSensitivity::Field(std::stoul(row[3])));
            ASSERT_EQ(ui_.Messages().size(), 1u);
            EXPECT_EQ(ui_.LastText(), platform::Widen(row[4]));
        }
    }

    CRecordingSettings settings;
    SensitivityCommand(settings, dialogs_);  // Cancel
    EXPECT_EQ(ReadRecordingSettings().taThreshold, 10u);
    dialogs_.typed = {{u"61", u"6", u"5000"}, {u"20", u"0", u"2"}};
    ui_.ClearMessages();
    SensitivityCommand(settings, dialogs_);
    EXPECT_EQ(ui_.Messages().size(), 1u) << "the refused try";
    for (const CRecordingSettings& s : {settings, ReadRecordingSettings()})
        EXPECT_EQ(std::tie(s.taThreshold, s.tsThreshold, s.maxTrackPoints),
                  std::make_tuple(20u, 0u, 2u));
}

TEST_F(NavigationCommandsTest, EverySourceThenStopNavigating) {
    const std::vector<std::string> refreshed{"refresh"};
    const struct {
        Source source;
        std::string opened;
        const CPoiCollection* pois;
        std::optional<CCoordinate> target;  // none: navigation stays off
    } cases[] = {
        {Source::LocalPoi, "pois;", &data_.localPois, std::nullopt},
        {Source::TrackPoi, "pois;", &data_.track.pois, std::nullopt},
        {Source::RoutePoi, "pois;", &data_.route.pois, std::nullopt},
        {Source::PositionMessage, "messages;", nullptr, CCoordinate(30, 40)},
        {Source::Here, "", nullptr, CCoordinate(47, 8)},  // the map centre, not the fix
        {Source::FriendPosition, "friends;", nullptr, CCoordinate(10, 20)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.source));
        dialogs_.source = static_cast<std::size_t>(c.source) - 1;
        dialogs_.message = c.source == Source::PositionMessage ? c.target : std::nullopt;
        dialogs_.poiManagerOn = nullptr;
        Run();
        EXPECT_EQ(std::tuple(dialogs_.opened, dialogs_.poiManagerOn, display_.calls,
                             NavigateToText(data_)),
                  std::tuple("navigate by;" + c.opened, c.pois, refreshed,
                             c.target ? StringId::StopNavigating : StringId::NavigateTo));
        if (!c.target) continue;
        EXPECT_TRUE(data_.target.IsSamePosition(*c.target) &&
                    map_.GetCenter().IsSamePosition(*c.target));
        EXPECT_EQ(GetLastNavigationStatus(), 1u) << "written at once";

        // "Stop Navigating" opens nothing, keeps the target and is written at once too.
        Run();
        EXPECT_EQ(std::tuple(dialogs_.opened, display_.calls, GetLastNavigationStatus()),
                  std::tuple("", refreshed, 0u));
        EXPECT_TRUE(data_.target.IsSamePosition(*c.target));
        map_.SetCenter(CCoordinate(47, 8));
    }
    dialogs_.source.reset();  // Cancel: nothing happens
    Run();
    EXPECT_TRUE(display_.calls.empty());
    EXPECT_EQ(data_.navigating, 0u);
}

TEST_F(NavigationCommandsTest, TrackListGoesToAndNavigates) {
    ASSERT_EQ(list_.Items().size(), 3u);
    EXPECT_EQ(std::tuple(list_.Items()[0].text, list_.Items()[1].text, list_.Selection()),
              std::tuple(u"+1 Bob", u"+2", 0u));

    list_.Select(std::nullopt);
    EXPECT_FALSE(list_.Ok() || list_.Navigate());
    list_.Delete();
    EXPECT_EQ(ui_.Texts(), std::vector<std::u16string>(3, u"Select a track first."));

    list_.Select(1);
    EXPECT_TRUE(list_.Ok()) << "the left key of this bar is Go to";
    EXPECT_TRUE(map_.GetCenter().IsSamePosition(CCoordinate(-5, 7)));
    EXPECT_EQ(data_.navigating, 0u);
    EXPECT_TRUE(list_.Navigate());
    EXPECT_EQ(data_.target.name, u"+2") << "no short name: the owner names the target";

    list_.Select(2);
    data_.navigating = 0;
    EXPECT_FALSE(list_.Navigate());
    EXPECT_EQ(ui_.LastText(), u"Can not navigate due to no position information of your friend.");
    EXPECT_EQ(data_.navigating, 0u);
}

TEST_F(NavigationCommandsTest, TrackListDeletesTrackAndFileOrNothing) {
    // An address that points out of the folder only ever names a file inside it.
    test::WriteText(folder_ / "evil.trk", "keep");
    data_.friendTracks.AddOwner(u"../evil", u"", kFriendTrackColour);
    // A file that cannot be deleted (a folder with content in its place) keeps all.
    std::filesystem::create_directories(FilePath(u"+2") + "/x");
    list_.Open();

    list_.Delete();  // answered No
    EXPECT_EQ(ui_.LastText(), u"Are you sure to delete track '+1'?");
    DeleteRow(0);
    EXPECT_FALSE(platform::PathExists(FilePath(u"+1")) || data_.friendTracks.FindByOwner(u"+1"));
    EXPECT_EQ(std::tuple(list_.Items().size(), list_.Selection(), repaints_),
              std::tuple(3u, 0u, 1));

    DeleteRow(0);  // "+2": its file will not go
    EXPECT_EQ(ui_.LastText(), u"Deleting track '+2' failed");
    EXPECT_EQ(list_.Items().size(), 3u);
    EXPECT_NE(data_.friendTracks.FindByOwner(u"+2"), nullptr);

    // Tracks whose file was never written go all the same; deleting the last entry
    // selects the new last.
    DeleteRow(2);
    EXPECT_EQ(list_.Selection(), 1u);
    DeleteRow(1);
    EXPECT_EQ(std::tuple(list_.Selection(), data_.friendTracks.GetCount()), std::tuple(0u, 1u));
    EXPECT_EQ(test::ReadText(folder_ / "evil.trk"), "keep");
}

}  // namespace
}  // namespace rq
