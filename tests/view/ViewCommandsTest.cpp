// The log recording, milestone, track and route commands of the
// main view, driven by command id with scripted dialogs and message boxes.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <deque>
#include <fstream>
#include <string>

#include "app/Screen.h"
#include "app/Settings.h"
#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/PortMap.h"
#include "resources/Menus.h"
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

// Every row of the command table as the menus list it: identifier, caption, whether the
// item is enabled on a fresh view and once there is a fix, a track and route point, a
// received position and unsaved POIs, and how its check mark behaves.
TEST_F(ViewCommandsTest, CommandTableHoldsEveryRowOfTheMenus) {
    enum Mark { None, Toggles, OneOfGroup, NoneUntilStored, Later };
    struct Row {
        int id;
        const char16_t* caption;
        bool idle;
        bool withData;
        Mark mark;
    };
    const Row rows[] = {
        {32773, u"Connect", true, true, None},
        {32774, u"Navigate To ...", true, true, None},
        {32775, u"Play GPS Log", true, true, None},
        {32776, u"x 1.0", true, true, NoneUntilStored},
        {32777, u"x 2.0", true, true, NoneUntilStored},
        {32778, u"x 4.0", true, true, NoneUntilStored},
        {32779, u"x 8.0", true, true, NoneUntilStored},
        {32780, u"x 16.0", true, true, NoneUntilStored},
        {32781, u"x 32.0", true, true, NoneUntilStored},
        {32782, u"x 100.0", true, true, NoneUntilStored},
        {32783, u"Repeat", true, true, Toggles},
        {32784, u"Record GPS Log", false, false, None},
        {32785, u"Auto Record On Connected", true, true, Toggles},
        {32786, u"Add Poi", true, true, None},
        {32787, u"Manage Poi", true, true, None},
        {32788, u"New (Local)", true, true, None},
        {32789, u"Load/Manage (Local)", true, true, None},
        {32790, u"Save (Local)", false, true, None},
        {32791, u"Save As (Local)", true, true, None},
        {32792, u"Current Poi File", false, false, None},
        {32793, u"Send My Position", false, true, None},
        {32794, u"Send Position Message", true, true, None},
        {32795, u"Position Message List", true, true, None},
        {32796, u"Friend Track List", true, true, None},
        {32797, u"Friends", true, true, None},
        {32804, u"Language", true, true, None},
        {32805, u"Setup", true, true, None},
        {32806, u"Sensitivity", true, true, None},
        {32807, u"Metric", true, true, OneOfGroup},
        {32808, u"Imperial", true, true, OneOfGroup},
        {32809, u"Nautical", true, true, OneOfGroup},
        {32772, u"Exit", true, true, None},
        {32798, u"Map", true, true, OneOfGroup},
        {32799, u"Satellite", true, true, OneOfGroup},
        {32800, u"Compass", true, true, OneOfGroup},
        {32801, u"Info Panel", true, true, OneOfGroup},
        {32812, u"Add Milestone", false, true, None},
        {32813, u"Add Initial Milestone", false, true, None},
        {32814, u"Load/Manage Track", true, true, None},
        {32815, u"Save Track", false, true, None},
        {32816, u"Clear Track", false, true, None},
        {32817, u"Load Track as Route", true, true, None},
        {32818, u"Clear Route", false, true, None},
        {32819, u"Goto My Position", false, true, None},
        {32820, u"Center GPS", true, true, Toggles},
        {32821, u"Goto Last Position", false, true, None},
        {32845, u"Zoom In", true, true, None},
        {32823, u"Zoom Out", true, true, None},
        {32824, u"Scroll Left", true, true, None},
        {32825, u"Scroll Right", true, true, None},
        {32826, u"Scroll Up", true, true, None},
        {32827, u"Scroll Down", true, true, None},
        {32828, u"Micro Scroll", true, true, Toggles},
        {32829, u"Show POI", true, true, Toggles},
        {32830, u"Show Position Message", true, true, Toggles},
        {32831, u"Show Track Info", true, true, Toggles},
        {32832, u"Vibrate On Message", false, false, Toggles},
        {32833, u"Show Number", true, true, OneOfGroup},
        {32834, u"Show Signal", true, true, OneOfGroup},
        {32835, u"Next Page", true, true, None},
        {32836, u"Prev Page", true, true, None},
        // Never shown by a bar and served by no handler.
        {32837, u"Compass Actions", false, false, Later},
    };
    // A command without a row is greyed, as the front end shows it.
    const auto enabled = [this](CommandId id) {
        return CRoamquillPPCView::HandlesCommand(id) && Enabled(id);
    };
    for (const Row& row : rows) {
        const auto id = static_cast<CommandId>(row.id);
        EXPECT_EQ(std::u16string(resources::CommandCaption(id)), row.caption) << row.id;
        EXPECT_EQ(CRoamquillPPCView::HandlesCommand(id), row.mark != Later) << row.id;
        EXPECT_EQ(enabled(id), row.idle) << row.id;
        const std::optional<bool> mark = view_->StateOf(id).checked;
        EXPECT_EQ(mark.has_value(), row.mark == Toggles || row.mark == OneOfGroup) << row.id;
    }
    // Every handled command has its row.
    for (const CommandEntry& entry : CommandTable()) {
        EXPECT_TRUE(std::any_of(std::begin(rows), std::end(rows), [&](const Row& r) {
            return r.id == static_cast<int>(entry.id);
        })) << static_cast<int>(entry.id);
    }
    EXPECT_EQ(view_->StateOf(CommandId::Connect).text, LoadResourceString(StringId::Connect));
    EXPECT_EQ(view_->StateOf(CommandId::PlayGpsLog).text, LoadResourceString(StringId::PlayGpsLog));
    EXPECT_EQ(view_->StateOf(CommandId::RecordGpsLog).text,
              LoadResourceString(StringId::RecordGpsLog));
    EXPECT_EQ(view_->StateOf(CommandId::VibrateOnMessage).checked, true) << "the default is on";

    view_->Data().track.fix = test::MakeFix(48.1, 11.5);
    CGpsTrackCoordinate point;
    point.m_lat.value = 48.1;
    point.m_lon.value = 11.5;
    view_->Data().track.AddHead(point);
    view_->Data().route.AddHead(point);
    view_->Data().lastPosition = CCoordinate(48.2, 11.6);
    view_->Data().localPois.AddCategory(u"Cafes");
    for (const Row& row : rows) {
        const auto id = static_cast<CommandId>(row.id);
        EXPECT_EQ(enabled(id), row.withData) << row.id;
        const std::optional<bool> before = view_->StateOf(id).checked;
        if (row.mark == Toggles) {
            view_->OnCommand(id);
            EXPECT_EQ(view_->StateOf(id).checked, !*before) << row.id;
            view_->OnCommand(id);
            EXPECT_EQ(view_->StateOf(id).checked, before) << row.id;
        } else if (row.mark == OneOfGroup || row.mark == NoneUntilStored) {
            view_->OnCommand(id);
            EXPECT_EQ(view_->StateOf(id).checked, true) << row.id;
        }
    }
    // The last of each group run holds the mark alone.
    EXPECT_EQ(view_->StateOf(CommandId::PlaySpeed1).checked, false);
    EXPECT_EQ(view_->StateOf(CommandId::Metric).checked, false);
    EXPECT_EQ(view_->StateOf(CommandId::ShowNumber).checked, false);
    EXPECT_EQ(view_->CurrentView(), 3);
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
    EXPECT_TRUE(track.IsModified()) << "a copy under a name; my.tk is still to be written";
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
    EXPECT_EQ(view_->StateOf(CommandId::RecordGpsLog).text,
              LoadResourceString(StringId::StopRecording));
    EXPECT_TRUE(view_->Map().m_recordIcon.shown);
    EXPECT_TRUE(
        platform::PathExists(platform::JoinPath(platform::ProgramFolder(), "logs/walk.nmea.nmea")));

    view_->OnCommand(CommandId::RecordGpsLog);
    EXPECT_EQ(view_->StateOf(CommandId::RecordGpsLog).text,
              LoadResourceString(StringId::RecordGpsLog));
    EXPECT_FALSE(view_->Map().m_recordIcon.shown);
    EXPECT_TRUE(ui_.Messages().empty());

    view_->OnCommand(CommandId::Connect);  // disconnects
    ::close(master);
}

}  // namespace
}  // namespace rq
