#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "support/AppTest.h"
#include "app/Screen.h"
#include "app/Settings.h"
#include "keepers/PositionMessage.h"
#include "platform/Files.h"
#include "support/FixMaker.h"
#include "view/ControlModelOf.h"
#include "view/RoamquillPPCView.h"

namespace rq {
namespace {

class FakeFrame : public CommandBarSwitch {
public:
    std::array<bool, 4> bars{};

protected:
    void SetBarShown(int index, bool shown) override {
        bars[static_cast<std::size_t>(index)] = shown;
    }
    bool IsBarShown(int index) const override { return bars[static_cast<std::size_t>(index)]; }
};

// A view created headless, with the shown controls and the repaints written down.
class MainViewTest : public test::UiAppTest {
protected:
    void Start() {
        view_ = std::make_unique<CRoamquillPPCView>(frame_);
        view_->SetShowControl([this](int index, bool on) { shown_[index] = on; });
        for (int i = 0; i < 4; ++i) {
            view_->Control(i).SetInvalidate([this, i] { ++repaints_[i]; });
        }
        ASSERT_TRUE(view_->OnCreate(BuiltInDisplayProfile(kScreenClassSmall)));
        view_->OnSize(240, 268);
        view_->OnInitialUpdate();
    }
    int Shown() const {
        int index = 4;
        for (int i = 3; i >= 0; --i)
            if (shown_[i]) index = i;
        return index;
    }
    void Post(std::uintptr_t code, const CGpsPosition* fix = nullptr) {
        platform::WindowMessage m;
        m.id = kMsgPosition;
        m.wParam = code;
        if (fix) m.payload = std::make_unique<CPositionMessage>(*fix);
        view_->OnMessage(m);
    }

    FakeFrame frame_;
    std::unique_ptr<CRoamquillPPCView> view_;
    std::array<bool, 4> shown_{};
    std::array<int, 4> repaints_{};
};

TEST_F(MainViewTest, StartsOnTheLastViewAndTheActionKeyCyclesTheViews) {
    SetLastView(3);
    Start();
    EXPECT_EQ(view_->CurrentView(), 3);
    EXPECT_EQ(Shown(), 3);
    EXPECT_TRUE(frame_.bars[3]);
    EXPECT_TRUE(view_->OnKeyDown(kKeyAction));
    EXPECT_EQ(Shown(), 0) << "the info panel is followed by the map";
    EXPECT_EQ(GetLastView(), 0u);
    EXPECT_TRUE(view_->Map().IsVisible());

    // Arrows page the panel, scroll the map, and do nothing on the satellite view.
    view_->SelectView(3);
    EXPECT_FALSE(view_->OnKeyDown(kKeyDown));
    EXPECT_EQ(view_->Info().GetPage(), 1);
    view_->OnKeyDown(kKeyLeft);
    EXPECT_EQ(view_->Info().GetPage(), 0);
    view_->SelectView(0);
    const CCoordinate before = view_->Map().GetCenter();
    view_->OnKeyDown(kKeyRight);
    EXPECT_GT(view_->Map().GetCenter().m_lon.value, before.m_lon.value);
    view_->SelectView(1);
    const CCoordinate mapCentre = view_->Map().GetCenter();
    view_->OnKeyDown(kKeyUp);
    view_->OnKeyDown(kKeyRight);
    EXPECT_EQ(view_->Info().GetPage(), 0);
    EXPECT_EQ(view_->Map().GetCenter().m_lat.value, mapCentre.m_lat.value);
    EXPECT_FALSE(view_->OnKeyDown(kKeyDown));
}

TEST_F(MainViewTest, FixesReachTheTrackAndTheEndOfALogClearsThePlaybackIcon) {
    SetLastView(0);
    Start();
    view_->Map().m_playIcon.shown = true;
    const int before = repaints_[0];
    for (int i = 0; i < 5; ++i) {
        const CGpsPosition fix = test::MakeFix(47.0 + i * 0.001, 8.0, 3.0);
        Post(kPositionNewFix, &fix);
    }
    EXPECT_GE(view_->Data().track.GetCount(), 2u);
    EXPECT_EQ(view_->Data().track.fixCount, 5u);
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 47.004, 1e-9) << "the map follows";
    EXPECT_GE(repaints_[0], before + 5);
    Post(kPositionNewFix);  // no payload: nothing
    EXPECT_EQ(view_->Data().track.fixCount, 5u);

    Post(kPositionSourceEnded);
    EXPECT_FALSE(view_->Map().m_playIcon.shown);

    // A broken connection asks once; No stays disconnected without the icon.
    view_->Map().m_recordIcon.shown = true;
    Post(kPositionConnectionLost);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0].icon, platform::MessageIcon::Question);
    EXPECT_FALSE(view_->Map().m_recordIcon.shown);
    Post(99);
    EXPECT_EQ(ui_.Messages().size(), 1u);
}

TEST_F(MainViewTest, ExitStoresTheStateAndTheTrack) {
    SetShowPoi(0);
    Start();
    EXPECT_FALSE(view_->Map().GetShowPoi());
    EXPECT_FALSE(view_->OnExit()) << "the scripted answer is No";
    EXPECT_FALSE(platform::PathExists(platform::JoinPath(folder_.Path(), "tracks/my.tk")));

    const CGpsPosition fix = test::MakeFix(47.5, 8.5);
    Post(kPositionNewFix, &fix);
    view_->OnCommand(CommandId::ZoomIn);
    view_->OnCommand(CommandId::ViewInfoPanel);
    view_->OnCommand(CommandId::NextPage);
    view_->Data().unitMode = 2;
    // Unsaved POIs: asked, named, saved and remembered.
    view_->Data().localPois.AddCategory(u"Cafes")->AddPoi(u"Corner", CCoordinate(47.5, 8.5), 1);
    struct : FilenameAsker {
        std::optional<std::u16string> AskFilename(std::u16string_view,
                                                  std::u16string_view) override {
            return u"trip";
        }
    } asker;
    view_->SetFilenameAsker(&asker);
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    EXPECT_TRUE(view_->OnExit());
    EXPECT_TRUE(platform::PathExists(platform::JoinPath(folder_.Path(), "tracks/my.tk")));
    EXPECT_TRUE(platform::PathExists(platform::JoinPath(folder_.Path(), "pois/trip.poi")));
    const double scale = view_->Map().GetScale();

    // The next run comes back as this one left.
    Start();
    EXPECT_EQ(Shown(), 3);
    EXPECT_EQ(view_->Info().GetPage(), 1);
    EXPECT_EQ(view_->Data().unitMode, 2u);
    EXPECT_DOUBLE_EQ(view_->Map().GetScale(), scale);
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 47.5, 1e-9);
    EXPECT_EQ(view_->Data().track.GetCount(), 1u);
    EXPECT_FALSE(view_->Map().GetShowPoi());
    EXPECT_EQ(view_->Data().localPois.name, u"trip.poi");
    EXPECT_TRUE(view_->Data().localPois.HasCategory(u"Cafes"));

    // A hand-edited settings file with a broken centre and scale: the defaults stay.
    const struct {
        double lat, lon, scale;
    } broken[] = {{91, 0, 0}, {0, -181, -2}, {NAN, 0, NAN}, {0, NAN, INFINITY}};
    const CGpsMapControl fresh(ControlModelOf(view_->Data()));
    for (const auto& b : broken) {
        SetLastMapPosition(CCoordinate(b.lat, b.lon));
        SetLastMapScale(b.scale);
        Start();
        EXPECT_EQ(view_->Map().GetCenter().m_lat.value, fresh.GetCenter().m_lat.value) << b.lat;
        EXPECT_EQ(view_->Map().GetCenter().m_lon.value, fresh.GetCenter().m_lon.value) << b.lon;
        EXPECT_EQ(view_->Map().GetScale(), fresh.GetScale()) << b.scale;
    }
}

}  // namespace
}  // namespace rq
