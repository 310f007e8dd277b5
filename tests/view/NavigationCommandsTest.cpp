// "Navigate To ..." with every source, "Stop Navigating" and "Sensitivity", with
// scripted dialogs.
#include <gtest/gtest.h>

#include <array>

#include "app/Settings.h"
#include "controls/GpsMapControl.h"
#include "support/AppTest.h"
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
        map_.SetCenter(CCoordinate(47, 8));
        data_.track.fix = test::MakeFix(48.1, 11.5);
        data_.friendTracks.AddOwner(u"+1", u"Bob", kFriendTrackColour)->fix = test::MakeFix(10, 20);
        dialogs_.data = &data_;
    }
    void Run() {
        display_.calls.clear();
        dialogs_.opened.clear();
        NavigateToCommand(data_, map_, display_, dialogs_);
    }

    CGpsViewData data_;
    CGpsMapControl map_{ControlModelOf(data_)};
    test::RecordingDisplay display_;
    ScriptedDialogs dialogs_;
};

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
        const int what = static_cast<int>(c.source);
        dialogs_.source = static_cast<std::size_t>(c.source) - 1;
        dialogs_.message = c.source == Source::PositionMessage ? c.target : std::nullopt;
        dialogs_.poiManagerOn = nullptr;
        Run();
        EXPECT_EQ(dialogs_.opened, "navigate by;" + c.opened) << what;
        EXPECT_EQ(dialogs_.poiManagerOn, c.pois) << what;
        EXPECT_EQ(display_.calls, refreshed) << what;
        EXPECT_EQ(NavigateToText(data_),
                  c.target ? StringId::StopNavigating : StringId::NavigateTo);
        if (!c.target) continue;
        EXPECT_TRUE(data_.target.IsSamePosition(*c.target)) << what;
        EXPECT_TRUE(map_.GetCenter().IsSamePosition(*c.target)) << what;
        EXPECT_EQ(GetLastNavigationStatus(), 1u) << "written at once " << what;

        // "Stop Navigating" opens nothing, keeps the target and is written at once too.
        Run();
        EXPECT_EQ(dialogs_.opened, "");
        EXPECT_EQ(display_.calls, refreshed);
        EXPECT_EQ(GetLastNavigationStatus(), 0u);
        EXPECT_TRUE(data_.target.IsSamePosition(*c.target));
        map_.SetCenter(CCoordinate(47, 8));
    }
    dialogs_.source.reset();  // Cancel: nothing happens
    Run();
    EXPECT_TRUE(display_.calls.empty());
    EXPECT_EQ(data_.navigating, 0u);
}

TEST_F(NavigationCommandsTest, SensitivityStoresAndAppliesOnlyOnOk) {
    CRecordingSettings settings;
    SensitivityCommand(settings, dialogs_);  // Cancel
    EXPECT_EQ(ReadRecordingSettings().taThreshold, 10u);
    dialogs_.typed = {{u"61", u"6", u"5000"}, {u"20", u"0", u"2"}};
    SensitivityCommand(settings, dialogs_);
    EXPECT_EQ(ui_.Messages().size(), 1u) << "the refused try";
    for (const CRecordingSettings& s : {settings, ReadRecordingSettings()}) {
        EXPECT_EQ(s.taThreshold, 20u);
        EXPECT_EQ(s.tsThreshold, 0u);
        EXPECT_EQ(s.maxTrackPoints, 2u);
    }
}

}  // namespace
}  // namespace rq
