// "Navigate To ..." with every source, "Stop Navigating", "Sensitivity" and "Friend
// Track List" on a whole view, with scripted dialogs.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/Screen.h"
#include "app/Settings.h"
#include "support/AppTest.h"
#include "support/FixMaker.h"
#include "view/Navigation.h"
#include "view/NavigationCommands.h"
#include "view/NavigationDialogs.h"
#include "view/NewFix.h"
#include "view/RoamquillPPCView.h"

namespace rq {
namespace {

using Source = CDlgNavigateTo::Source;

class BarsOnly : public CommandBarSwitch {
protected:
    void SetBarShown(int index, bool shown) override {
        bars_[static_cast<std::size_t>(index)] = shown;
    }
    bool IsBarShown(int index) const override { return bars_[static_cast<std::size_t>(index)]; }

private:
    std::array<bool, 4> bars_{};
};

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
        opened.push_back("navigate by");
        dlg.Select(source);
        return source && dlg.Ok();
    }
    bool RunTrackList(CDlgTrackList& dlg) override {
        opened.push_back(dlg.CommandBar() == CDlgTrackList::Bar::Navigate ? "friends to navigate"
                                                                          : "friend tracks");
        dlg.Open();
        return dlg.Ok();
    }
    void RunPoiManager(CPoiCollection& pois) override {
        opened.push_back("poi manager");
        poiManagerOn = &pois;
    }
    std::optional<CCoordinate> RunPositionMessagesToNavigate() override {
        opened.push_back("position messages");
        // The list's own "Navigate" sets the target before it closes with 100.
        if (messageChosen) SetNavigationTarget(*data, *messageChosen, u"");
        return messageChosen;
    }

    std::optional<std::size_t> source;  // none: Cancel
    std::vector<std::array<std::u16string, 3>> typed;
    std::optional<CCoordinate> messageChosen;
    std::vector<std::string> opened;
    CPoiCollection* poiManagerOn = nullptr;
    CGpsViewData* data = nullptr;
};

class NavigationCommandsTest : public test::UiAppTest {
protected:
    void SetUp() override {
        UiAppTest::SetUp();
        view_ = std::make_unique<CRoamquillPPCView>(frame_);
        ASSERT_TRUE(view_->OnCreate(BuiltInDisplayProfile(kScreenClassSmall)));
        view_->OnSize(240, 268);
        view_->OnInitialUpdate();
        view_->Map().SetInvalidate([this] { ++repaints_; });
        view_->Map().SetCenter(CCoordinate(47, 8));
        view_->Data().track.fix = test::MakeFix(48.1, 11.5);
        view_->Data().friendTracks.AddOwner(u"+1", u"Bob", kFriendTrackColour)->fix =
            test::MakeFix(10, 20);
        repaints_ = 0;
    }
    void TearDown() override {
        view_.reset();
        UiAppTest::TearDown();
    }
    // The navigation group as stored.
    std::uint32_t StoredStatus() {
        CCoordinate point;
        std::u16string name;
        std::uint32_t status = 99;
        GetNavigation(point, name, status);
        return status;
    }

    BarsOnly frame_;
    std::unique_ptr<CRoamquillPPCView> view_;
    ScriptedDialogs dialogs_;
    int repaints_ = 0;
};

TEST_F(NavigationCommandsTest, EverySourceAndStopNavigating) {
    CGpsViewData& data = view_->Data();
    const struct {
        Source source;
        std::string opened;
        const CPoiCollection* pois;
        std::optional<CCoordinate> target;  // none: the source leaves navigation off
    } cases[] = {
        {Source::LocalPoi, "poi manager", &data.localPois, std::nullopt},
        {Source::TrackPoi, "poi manager", &data.track.pois, std::nullopt},
        {Source::RoutePoi, "poi manager", &data.route.pois, std::nullopt},
        {Source::PositionMessage, "position messages", nullptr, CCoordinate(30, 40)},
        {Source::Here, "", nullptr, CCoordinate(47, 8)},  // the map centre, not the fix
        {Source::FriendPosition, "friends to navigate", nullptr, CCoordinate(10, 20)},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(static_cast<int>(c.source));
        dialogs_ = ScriptedDialogs{};
        dialogs_.source = static_cast<std::size_t>(c.source) - 1;
        dialogs_.data = &data;
        if (c.source == Source::PositionMessage) dialogs_.messageChosen = c.target;
        repaints_ = 0;
        NavigateToCommand(*view_, dialogs_);
        std::vector<std::string> opened{"navigate by"};
        if (!c.opened.empty()) opened.push_back(c.opened);
        EXPECT_EQ(dialogs_.opened, opened) << what;
        EXPECT_EQ(dialogs_.poiManagerOn, c.pois) << what;
        EXPECT_GE(repaints_, 1) << what;
        EXPECT_EQ(data.navigating != 0, c.target.has_value()) << what;
        if (!c.target) continue;
        EXPECT_TRUE(data.target.IsSamePosition(*c.target)) << what;
        EXPECT_EQ(StoredStatus(), 1u) << "written at once: " << what;
        EXPECT_EQ(NavigateToText(data), StringId::StopNavigating);
        if (c.source != Source::Here) {
            EXPECT_TRUE(view_->Map().GetCenter().IsSamePosition(*c.target)) << what;
            view_->Map().SetCenter(CCoordinate(47, 8));
        }

        // "Stop Navigating" opens nothing and keeps the target.
        dialogs_.opened.clear();
        repaints_ = 0;
        NavigateToCommand(*view_, dialogs_);
        EXPECT_TRUE(dialogs_.opened.empty());
        EXPECT_EQ(data.navigating, 0u);
        EXPECT_EQ(StoredStatus(), 0u);
        EXPECT_EQ(repaints_, 1);
        EXPECT_TRUE(data.target.IsSamePosition(*c.target));
    }
    // Cancel: nothing happens, nothing is repainted.
    dialogs_ = ScriptedDialogs{};
    repaints_ = 0;
    NavigateToCommand(*view_, dialogs_);
    EXPECT_EQ(dialogs_.opened, std::vector<std::string>{"navigate by"});
    EXPECT_EQ(repaints_, 0);
    EXPECT_EQ(data.navigating, 0u);
}

TEST_F(NavigationCommandsTest, ArrivalEndsNavigationAndTheItemSaysNavigateToAgain) {
    CGpsViewData& data = view_->Data();
    dialogs_.source = static_cast<std::size_t>(Source::Here) - 1;
    NavigateToCommand(*view_, dialogs_);
    ASSERT_EQ(NavigateToText(data), StringId::StopNavigating);
    OnNewFix(data, test::MakeFix(47 + 60 / test::kMetresPerDegree, 8, 5), CRecordingSettings{},
             nullptr);
    EXPECT_EQ(NavigateToText(data), StringId::StopNavigating) << "60 m to go";
    OnNewFix(data, test::MakeFix(47 + 50 / test::kMetresPerDegree, 8, 5), CRecordingSettings{},
             nullptr);
    EXPECT_EQ(NavigateToText(data), StringId::NavigateTo) << "arrived within 50 m";
}

TEST_F(NavigationCommandsTest, SensitivityStoresAndAppliesOnlyOnOk) {
    CRecordingSettings settings = view_->RecordingSettings();
    SensitivityCommand(settings, dialogs_);  // Cancel
    EXPECT_EQ(settings.taThreshold, 10u);
    dialogs_.typed = {{u"61", u"6", u"5000"}, {u"20", u"0", u"2"}};
    SensitivityCommand(settings, dialogs_);
    ASSERT_EQ(ui_.Messages().size(), 1u) << "the refused try";
    EXPECT_EQ(settings.taThreshold, 20u);
    EXPECT_EQ(settings.tsThreshold, 0u);
    EXPECT_EQ(settings.maxTrackPoints, 2u);
    EXPECT_EQ(GetTaThreshold(), 20u);
    EXPECT_EQ(GetTsThreshold(), 0u);
    EXPECT_EQ(GetMaximumTrackSegments(), 2u);
}

TEST_F(NavigationCommandsTest, FriendTrackListGoesToTheFriend) {
    FriendTrackListCommand(*view_, dialogs_);
    EXPECT_EQ(dialogs_.opened, std::vector<std::string>{"friend tracks"});
    EXPECT_TRUE(view_->Map().GetCenter().IsSamePosition(CCoordinate(10, 20)));
    EXPECT_EQ(view_->Data().navigating, 0u);
}

}  // namespace
}  // namespace rq
