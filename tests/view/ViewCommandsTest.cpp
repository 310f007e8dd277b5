// The log recording, milestone, track and route commands of the
// main view, driven by command id with scripted dialogs and message boxes.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <deque>
#include <fstream>
#include <string>

#include "app/Screen.h"
#include "app/Settings.h"
#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/PortMap.h"
#include "support/AppTest.h"
#include "support/FixMaker.h"
#include "view/RoamquillPPCView.h"

namespace rq {
namespace {

class BarsOnly : public CommandBarSwitch {
protected:
    void SetBarShown(int index, bool shown) override {
        bars_[static_cast<std::size_t>(index)] = shown;
    }
    bool IsBarShown(int index) const override { return bars_[static_cast<std::size_t>(index)]; }

private:
    std::array<bool, 4> bars_{};
};

// Names the user types, in order; none left means Cancel.
class ScriptedNames : public FilenameAsker {
public:
    std::optional<std::u16string> AskFilename(std::u16string_view prompt,
                                              std::u16string_view) override {
        prompts.emplace_back(prompt);
        if (names.empty()) return std::nullopt;
        std::optional<std::u16string> name = names.front();
        names.pop_front();
        return name;
    }
    std::deque<std::optional<std::u16string>> names;
    std::vector<std::u16string> prompts;
};

class ViewCommandsTest : public test::UiAppTest {
protected:
    void SetUp() override {
        UiAppTest::SetUp();
        view_ = std::make_unique<CRoamquillPPCView>(frame_);
        ASSERT_TRUE(view_->OnCreate(BuiltInDisplayProfile(kScreenClassSmall)));
        view_->OnSize(240, 268);
        view_->SetFilenameAsker(&names_);
        view_->SetChooseTrack([this](CDlgOpenFile::Bar bar) {
            bars_.push_back(bar);
            return chosen_;
        });
        view_->OnInitialUpdate();
    }
    void TearDown() override {
        view_.reset();
        UiAppTest::TearDown();
    }
    bool Enabled(CommandId command) { return view_->StateOf(command).enabled; }
    void AnswerYes() { ui_.AnswerNext(platform::MessageAnswer::Yes); }
    std::u16string LastMessage() const {
        return ui_.Messages().empty() ? u"" : ui_.Messages().back().text;
    }

    BarsOnly frame_;
    ScriptedNames names_;
    std::optional<std::string> chosen_;
    std::vector<CDlgOpenFile::Bar> bars_;
    std::unique_ptr<CRoamquillPPCView> view_;
};

TEST_F(ViewCommandsTest, MenuStatesFollowFixTrackAndRoute) {
    struct Row {
        CommandId command;
        bool idle;      // fresh view: no fix, empty track and route, not connected
        bool withData;  // a valid fix, one track point, one route point
    };
    const Row rows[] = {
        {CommandId::GpsSetup, true, true},        {CommandId::RecordGpsLog, false, false},
        {CommandId::AddMilestone, false, true},   {CommandId::AddInitialMilestone, false, true},
        {CommandId::LoadManageTrack, true, true}, {CommandId::SaveTrack, false, true},
        {CommandId::ClearTrack, false, true},     {CommandId::LoadTrackAsRoute, true, true},
        {CommandId::ClearRoute, false, true},     {CommandId::Language, true, true},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(CRoamquillPPCView::HandlesCommand(row.command));
        EXPECT_EQ(Enabled(row.command), row.idle) << static_cast<int>(row.command);
    }
    EXPECT_EQ(view_->StateOf(CommandId::RecordGpsLog).text, StringId::RecordGpsLog);

    view_->Data().track.fix = test::MakeFix(48.1, 11.5);
    CGpsTrackCoordinate point;
    point.m_lat.value = 48.1;
    point.m_lon.value = 11.5;
    view_->Data().track.AddHead(point);
    view_->Data().route.AddHead(point);
    for (const Row& row : rows) {
        EXPECT_EQ(Enabled(row.command), row.withData) << static_cast<int>(row.command);
    }
}

TEST_F(ViewCommandsTest, MilestonesAndClearTrack) {
    CGpsTrackInfo& track = view_->Data().track;
    track.fix = test::MakeFix(48.1, 11.5);

    // The initial milestone asks first; No adds nothing.
    view_->OnCommand(CommandId::AddInitialMilestone);
    EXPECT_EQ(LastMessage(), LoadResourceString(StringId::AreYouSureToResetMilestoneCounter));
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
    EXPECT_EQ(LastMessage(), LoadResourceString(StringId::AreYouSureToClearGpsTrackRecord));
    EXPECT_EQ(track.GetCount(), 2u);
    AnswerYes();
    view_->OnCommand(CommandId::ClearTrack);
    EXPECT_TRUE(track.IsEmpty());
    EXPECT_FALSE(Enabled(CommandId::ClearTrack));
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
    const std::string tracks = platform::JoinPath(platform::ProgramFolder(), "tracks");
    EXPECT_TRUE(platform::PathExists(platform::JoinPath(tracks, "trip.trk")));
    EXPECT_FALSE(track.IsModified());
    EXPECT_TRUE(ui_.Messages().empty());

    // Load/Manage replaces the track, marks it modified and centres on its fix.
    AnswerYes();
    view_->OnCommand(CommandId::ClearTrack);
    view_->Map().SetCenter(test::MakeFix(10, 10));
    chosen_ = "trip.trk";
    view_->OnCommand(CommandId::LoadManageTrack);
    EXPECT_EQ(bars_.back(), CDlgOpenFile::Bar::DeleteRename);
    EXPECT_EQ(track.GetCount(), 2u);
    EXPECT_TRUE(track.IsModified());
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 48.102, 1e-6);

    // The route: centred on its start, remembered, and cleared.
    view_->OnCommand(CommandId::LoadTrackAsRoute);
    EXPECT_EQ(bars_.back(), CDlgOpenFile::Bar::OkCancel);
    EXPECT_EQ(view_->Data().route.GetCount(), 2u);
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 48.1, 1e-6);
    EXPECT_EQ(GetLastLoadedRoute(), u"trip.trk");
    view_->OnCommand(CommandId::ClearRoute);
    EXPECT_TRUE(view_->Data().route.IsEmpty());
    EXPECT_EQ(GetLastLoadedRoute(), u"");

    // A damaged file: the message with its name, and the track or route cleared.
    std::ofstream(platform::JoinPath(tracks, "bad.trk")) << "not a track";
    chosen_ = "bad.trk";
    view_->OnCommand(CommandId::LoadManageTrack);
    EXPECT_NE(LastMessage().find(u"'bad.trk'"), std::u16string::npos);
    EXPECT_EQ(ui_.Messages().back().icon, platform::MessageIcon::Error);
    EXPECT_TRUE(track.IsEmpty());
    chosen_ = "trip.trk";
    view_->OnCommand(CommandId::LoadTrackAsRoute);
    chosen_ = "bad.trk";
    view_->OnCommand(CommandId::LoadTrackAsRoute);
    EXPECT_EQ(LastMessage(), u"Loading route 'bad.trk' failed.");
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
    EXPECT_EQ(view_->StateOf(CommandId::RecordGpsLog).text, StringId::StopRecording);
    EXPECT_TRUE(view_->Map().m_recordIcon.shown);
    EXPECT_TRUE(
        platform::PathExists(platform::JoinPath(platform::ProgramFolder(), "logs/walk.nmea.nmea")));

    view_->OnCommand(CommandId::RecordGpsLog);
    EXPECT_EQ(view_->StateOf(CommandId::RecordGpsLog).text, StringId::RecordGpsLog);
    EXPECT_FALSE(view_->Map().m_recordIcon.shown);
    EXPECT_TRUE(ui_.Messages().empty());

    view_->OnCommand(CommandId::Connect);  // disconnects
    ::close(master);
}

}  // namespace
}  // namespace rq
