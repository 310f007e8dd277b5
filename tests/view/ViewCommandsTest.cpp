// The log recording, milestone, track and route commands of the
// main view, driven by command id with scripted dialogs and message boxes.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "app/Settings.h"
#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/PortMap.h"
#include "platform/Text.h"
#include "resources/Menus.h"
#include "support/CaseTable.h"
#include "support/FixMaker.h"
#include "support/ViewTest.h"

namespace rq {
namespace {

class ViewCommandsTest : public test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        Start([this](CRoamquillPPCView& view) {
            view.SetChooseTrack([this](CDlgOpenFile::Bar bar) {
                bars_.push_back(bar);
                return chosen_;
            });
        });
    }
    bool Enabled(CommandId command) { return view_->StateOf(command).enabled; }
    void AnswerYes() { ui_.AnswerNext(platform::MessageAnswer::Yes); }

    std::optional<std::string> chosen_;
    std::vector<CDlgOpenFile::Bar> bars_;
};

// Every row of the command table as the menus list it, from tests/data: caption, whether
// the item is enabled on a fresh view and once there is data, and how its mark behaves.
TEST_F(ViewCommandsTest, CommandTableHoldsEveryRowOfTheMenus) {
    const auto rows = test::CaseTable("cases/command-table.txt");
    ASSERT_EQ(rows.size(), 62u);
    const auto id = [](const std::vector<std::string>& row) {
        return static_cast<CommandId>(std::stoi(row[0]));
    };
    // A command without a row is greyed, as the front end shows it.
    const auto enabled = [this](CommandId id) {
        return CRoamquillPPCView::HandlesCommand(id) && Enabled(id);
    };
    for (const auto& row : rows) {
        const bool marked = row[4] == "toggles" || row[4] == "group";
        EXPECT_EQ(platform::ToUtf8(resources::CommandCaption(id(row))), row[1]) << row[0];
        EXPECT_EQ(CRoamquillPPCView::HandlesCommand(id(row)), row[4] != "later") << row[0];
        EXPECT_EQ(enabled(id(row)), row[2] == "1") << row[0];
        EXPECT_EQ(view_->StateOf(id(row)).checked.has_value(), marked) << row[0];
    }
    // Every handled command has its row.
    for (const CommandEntry& entry : CommandTable()) {
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const auto& r) {
            return id(r) == entry.id;
        })) << static_cast<int>(entry.id);
    }
    for (const auto& [command, text] : {std::pair{CommandId::Connect, StringId::Connect},
                                        {CommandId::PlayGpsLog, StringId::PlayGpsLog},
                                        {CommandId::RecordGpsLog, StringId::RecordGpsLog}})
        EXPECT_EQ(view_->StateOf(command).text, LoadResourceString(text));
    EXPECT_EQ(view_->StateOf(CommandId::VibrateOnMessage).checked, true) << "the default is on";

    view_->Data().track.fix = test::MakeFix(48.1, 11.5);
    CGpsTrackCoordinate point(48.1, 11.5);
    view_->Data().track.AddHead(point);
    view_->Data().route.AddHead(point);
    view_->Data().lastPosition = CCoordinate(48.2, 11.6);
    view_->Data().localPois.AddCategory(u"Cafes");
    for (const auto& row : rows) {
        EXPECT_EQ(enabled(id(row)), row[3] == "1") << row[0];
        const std::optional<bool> before = view_->StateOf(id(row)).checked;
        if (row[4] == "toggles") {
            view_->OnCommand(id(row));
            EXPECT_EQ(view_->StateOf(id(row)).checked, !*before) << row[0];
            view_->OnCommand(id(row));
            EXPECT_EQ(view_->StateOf(id(row)).checked, before) << row[0];
        } else if (row[4] == "group" || row[4] == "stored") {
            view_->OnCommand(id(row));
            EXPECT_EQ(view_->StateOf(id(row)).checked, true) << row[0];
        }
    }
    // The last of each group run holds the mark alone.
    for (CommandId first : {CommandId::PlaySpeed1, CommandId::Metric, CommandId::ShowNumber})
        EXPECT_EQ(view_->StateOf(first).checked, false) << static_cast<int>(first);
    EXPECT_EQ(view_->CurrentView(), 3);
}

TEST_F(ViewCommandsTest, MilestonesAndClearTrack) {
    CGpsTrackInfo& track = view_->Data().track;
    track.fix = test::MakeFix(48.1, 11.5);

    // The initial milestone asks first; No adds nothing.
    view_->OnCommand(CommandId::AddInitialMilestone);
    EXPECT_EQ(ui_.LastText(), LoadResourceString(StringId::AreYouSureToResetMilestoneCounter));
    EXPECT_TRUE(track.IsEmpty());
    AnswerYes();
    view_->OnCommand(CommandId::AddInitialMilestone);
    ASSERT_EQ(track.GetCount(), 1u);
    EXPECT_EQ(track.GetHead()->distance, 0);

    track.fix = test::MakeFix(48.101, 11.5);
    view_->OnCommand(CommandId::AddMilestone);  // without a question
    ASSERT_EQ(track.GetCount(), 2u);
    EXPECT_EQ(ui_.Messages().size(), 2u);

    // Clear Track asks; No keeps the track, Yes empties it.
    view_->OnCommand(CommandId::ClearTrack);
    EXPECT_EQ(ui_.LastText(), LoadResourceString(StringId::AreYouSureToClearGpsTrackRecord));
    EXPECT_EQ(track.GetCount(), 2u);
    AnswerYes();
    view_->OnCommand(CommandId::ClearTrack);
    EXPECT_TRUE(track.IsEmpty() && !Enabled(CommandId::ClearTrack));
}

TEST_F(ViewCommandsTest, SaveLoadAndRouteThroughTheTracksFolder) {
    CGpsTrackInfo& track = view_->Data().track;
    track.fix = test::MakeFix(48.1, 11.5);
    view_->OnCommand(CommandId::AddMilestone);
    track.fix = test::MakeFix(48.102, 11.5);
    view_->OnCommand(CommandId::AddMilestone);
    ASSERT_EQ(track.GetCount(), 2u);

    names_.names = {u"trip"};
    view_->OnCommand(CommandId::SaveTrack);
    EXPECT_EQ(names_.prompts.back(), LoadResourceString(StringId::EnterTrackName));
    EXPECT_TRUE(platform::PathExists(folder_ / "tracks/trip.trk"));
    EXPECT_TRUE(track.IsModified()) << "a copy under a name; my.tk is still to be written";
    EXPECT_TRUE(ui_.Messages().empty());

    // Load/Manage replaces the track, marks it modified and centres on its fix.
    AnswerYes();
    view_->OnCommand(CommandId::ClearTrack);
    view_->Map().SetCenter(test::MakeFix(10, 10));
    chosen_ = "trip.trk";
    view_->OnCommand(CommandId::LoadManageTrack);
    EXPECT_EQ(std::tuple(bars_.back(), track.GetCount(), track.IsModified()),
              std::tuple(CDlgOpenFile::Bar::DeleteRename, 2u, true));
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 48.102, 1e-6);

    // The route: centred on its start, remembered, and cleared.
    view_->OnCommand(CommandId::LoadTrackAsRoute);
    EXPECT_EQ(std::tuple(bars_.back(), view_->Data().route.GetCount(), GetLastLoadedRoute()),
              std::tuple(CDlgOpenFile::Bar::OkCancel, 2u, u"trip.trk"));
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 48.1, 1e-6);
    view_->OnCommand(CommandId::ClearRoute);
    EXPECT_TRUE(view_->Data().route.IsEmpty() && GetLastLoadedRoute().empty());

    // A damaged file: the message with its name, and the track or route cleared.
    test::WriteText(folder_ / "tracks/bad.trk", "not a track");
    chosen_ = "bad.trk";
    view_->OnCommand(CommandId::LoadManageTrack);
    EXPECT_NE(ui_.LastText().find(u"'bad.trk'"), std::u16string::npos);
    EXPECT_TRUE(ui_.Messages().back().icon == platform::MessageIcon::Error && track.IsEmpty());
    chosen_ = "trip.trk";
    view_->OnCommand(CommandId::LoadTrackAsRoute);
    chosen_ = "bad.trk";
    view_->OnCommand(CommandId::LoadTrackAsRoute);
    EXPECT_EQ(ui_.LastText(), u"Loading route 'bad.trk' failed.");
    EXPECT_TRUE(view_->Data().route.IsEmpty());
    EXPECT_EQ(GetLastLoadedRoute(), u"trip.trk") << "the last good route stays the stored one";
}

TEST_F(ViewCommandsTest, RecordGpsLogWhileConnected) {
    // Not connected: the item is disabled and does nothing.
    view_->OnCommand(CommandId::RecordGpsLog);
    EXPECT_TRUE(names_.prompts.empty());

    int master = -1, slave = -1;
    char name[128];
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    ::close(slave);
    SetPort(4);
    platform::SetPortMapping(u"COM4:", name);
    view_->OnCommand(CommandId::Connect);
    ASSERT_TRUE(Enabled(CommandId::RecordGpsLog));

    names_.names = {u"walk.nmea"};
    view_->OnCommand(CommandId::RecordGpsLog);
    EXPECT_EQ(view_->StateOf(CommandId::RecordGpsLog).text,
              LoadResourceString(StringId::StopRecording));
    EXPECT_TRUE(view_->Map().m_recordIcon.shown);

    view_->OnCommand(CommandId::RecordGpsLog);
    EXPECT_EQ(view_->StateOf(CommandId::RecordGpsLog).text,
              LoadResourceString(StringId::RecordGpsLog));
    EXPECT_TRUE(!view_->Map().m_recordIcon.shown && ui_.Messages().empty());

    view_->OnCommand(CommandId::Connect);  // disconnects
    ::close(master);
}

}  // namespace
}  // namespace rq
