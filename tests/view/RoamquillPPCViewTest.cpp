#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "app/Settings.h"
#include "friends/PositionMessage.h"
#include "friends/PositionTextList.h"
#include "keepers/PositionMessage.h"
#include "keepers/ReceivedMessageRecord.h"
#include "platform/Files.h"
#include "support/FixMaker.h"
#include "support/ViewTest.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

// With the shown controls and the repaints written down.
class MainViewTest : public test::ViewTest {
protected:
    void Start() {
        ViewTest::Start([this](CRoamquillPPCView& view) {
            view.SetShowControl([this](int index, bool on) { shown_[index] = on; });
            for (int i = 0; i < 4; ++i)
                view.Control(i).SetInvalidate([this, i] { ++repaints_[i]; });
        });
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

    std::array<bool, 4> shown_{};
    std::array<int, 4> repaints_{};
};

TEST_F(MainViewTest, StartsOnTheLastViewAndTheActionKeyCyclesTheViews) {
    SetLastView(3);
    Start();
    EXPECT_EQ(std::tuple(view_->CurrentView(), Shown(), frame_.bars[3]), std::tuple(3, 3, true));
    EXPECT_TRUE(view_->OnKeyDown(kKeyAction));
    EXPECT_EQ(std::tuple(Shown(), GetLastView(), view_->Map().IsVisible()), std::tuple(0, 0u, true))
        << "the info panel is followed by the map";

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
    EXPECT_TRUE(view_->Data().track.GetCount() >= 2 && view_->Data().track.fixCount == 5);
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
    EXPECT_EQ(std::tuple(ui_.Messages()[0].icon, view_->Map().m_recordIcon.shown),
              std::tuple(platform::MessageIcon::Question, false));
    Post(99);
    EXPECT_EQ(ui_.Messages().size(), 1u);
}

TEST_F(MainViewTest, ExitStoresTheStateAndTheTrack) {
    SetShowPoi(0);
    Start();
    EXPECT_FALSE(view_->Map().GetShowPoi());
    EXPECT_FALSE(view_->OnExit()) << "the scripted answer is No";
    EXPECT_FALSE(platform::PathExists(folder_ / "tracks/my.tk"));

    const CGpsPosition fix = test::MakeFix(47.5, 8.5);
    Post(kPositionNewFix, &fix);
    view_->OnCommand(CommandId::ZoomIn);
    view_->OnCommand(CommandId::ViewInfoPanel);
    view_->OnCommand(CommandId::NextPage);
    view_->Data().unitMode = 2;
    // Unsaved POIs: asked, named, saved and remembered.
    view_->Data().localPois.AddCategory(u"Cafes")->AddPoi(u"Corner", CCoordinate(47.5, 8.5), 1);
    names_.names = {u"trip"};
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    EXPECT_TRUE(view_->OnExit());
    EXPECT_TRUE(platform::PathExists(folder_ / "tracks/my.tk") &&
                platform::PathExists(folder_ / "pois/trip.poi"));
    const double scale = view_->Map().GetScale();

    // Behind the exit, before the window closes: a queued fix changes nothing saved; a
    // text that still arrives is saved at once.
    const CGpsPosition late = test::MakeFix(47.6, 8.5);
    Post(kPositionNewFix, &late);
    EXPECT_EQ(view_->Data().track.fixCount, 1u);
    const auto text = MakePositionTextMessage(1.5, 2.5, u"Late", 9);
    ReceivedMessageRecord record;
    record.userData = text.data();
    record.userDataSize = static_cast<std::uint32_t>(text.size());
    platform::WindowMessage received;
    received.id = kMsgSmsReceived;
    received.wParam = reinterpret_cast<std::uintptr_t>(&record);
    view_->OnMessage(received);
    CPositionTextList saved;
    ASSERT_TRUE(saved.LoadFile());
    EXPECT_EQ(saved.GetCount(), 1u);

    // The next run comes back as this one left.
    Start();
    const CGpsViewData& data = view_->Data();
    EXPECT_EQ(std::tuple(Shown(), view_->Info().GetPage(), data.unitMode, data.track.GetCount()),
              std::tuple(3, 1, 2u, 1u));
    EXPECT_DOUBLE_EQ(view_->Map().GetScale(), scale);
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 47.5, 1e-9);
    EXPECT_EQ(std::tuple(view_->Map().GetShowPoi(), data.localPois.name,
                         data.localPois.HasCategory(u"Cafes")),
              std::tuple(false, u"trip.poi", true));

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
