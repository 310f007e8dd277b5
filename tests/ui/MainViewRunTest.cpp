// The program as a user runs it, in the offscreen platform: the frame with its view on
// an empty data folder replays the demo walk, draws it, and saves it at exit.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QMenu>
#include <QToolBar>
#include <map>

#include "app/DisplayProfile.h"
#include "app/Screen.h"
#include "platform/Files.h"
#include "support/AppTest.h"
#include "support/QtTestApp.h"
#include "ui/ControlWidget.h"
#include "ui/IconStore.h"
#include "ui/MainFrame.h"
#include "ui/ViewWidget.h"

namespace rq {
namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

class MainViewRun : public test::UiAppTest {
protected:
    void SetUp() override {
        test::TestApp();
        UiAppTest::SetUp();
    }
};

TEST_F(MainViewRun, ReplayDrawsTheWalkAndExitSavesIt) {
    auto owner =
        std::make_unique<ui::CMainFrame>(240, 320, false, BuiltInDisplayProfile(kScreenClassSmall));
    ui::CMainFrame& frame = *owner;
    ASSERT_TRUE(frame.CreatedView());
    frame.show();
    CRoamquillPPCView& view = frame.View().View();
    view.OnInitialUpdate();
    ASSERT_EQ(frame.VisibleCommandBar(), 0) << "a first start shows the map";
    PaintCounter counter;
    frame.View().ControlWindow(0)->installEventFilter(&counter);

    // The map's buttons follow their items' states: no milestone before a fix.
    auto button = [&](CommandId id) {
        for (QAction* action : frame.CommandBar(0)->actions())
            if (action->data().toInt() == static_cast<int>(id)) return action;
        return static_cast<QAction*>(nullptr);
    };
    frame.UpdateStrip();
    ASSERT_NE(button(CommandId::AddMilestone), nullptr);
    EXPECT_FALSE(button(CommandId::AddMilestone)->isEnabled());

    ASSERT_TRUE(view.PlayLog(RQ_SOURCE_DIR "/samples/demo.nmea", 100.0f));
    EXPECT_TRUE(view.Map().m_playIcon.shown);
    QElapsedTimer clock;
    clock.start();
    while (view.Data().track.fixCount < 20 && clock.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ASSERT_GE(view.Data().track.fixCount, 20u);
    EXPECT_GE(view.Data().track.GetCount(), 2u);
    EXPECT_GE(counter.paints, 2) << "the map repaints as fixes arrive";
    frame.UpdateStrip();
    EXPECT_TRUE(button(CommandId::AddMilestone)->isEnabled());
    EXPECT_TRUE(button(CommandId::CenterGps)->isChecked()) << "the map follows the fix";
    // The walk is on screen in the track's colour.
    const QImage map = frame.View().ControlWindow(0)->grab().toImage();
    int trackPixels = 0;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) trackPixels += map.pixel(x, y) == qRgb(0, 255, 255);
    EXPECT_GT(trackPixels, 10);

    // The menus tell what the commands do now: "Stop" while playing, "Connect" greyed,
    // the map's item checked; the label of the POI file greyed.
    std::map<int, QAction*> items;
    for (QMenu* menu : frame.CommandBar(0)->findChildren<QMenu*>()) {
        emit menu->aboutToShow();
        for (QAction* action : menu->actions())
            if (action->data().isValid()) items[action->data().toInt()] = action;
    }
    auto item = [&](CommandId id) { return items.at(static_cast<int>(id)); };
    EXPECT_EQ(item(CommandId::PlayGpsLog)->text(), "Stop");
    EXPECT_FALSE(item(CommandId::Connect)->isEnabled());
    EXPECT_TRUE(item(CommandId::ViewMap)->isChecked());
    EXPECT_FALSE(item(CommandId::ViewCompass)->isChecked());
    EXPECT_FALSE(item(CommandId::CurrentPoiFile)->isEnabled());
    EXPECT_EQ(item(CommandId::CurrentPoiFile)->text(), "<No Name>");
    EXPECT_TRUE(item(CommandId::Exit)->isEnabled());

    // "Exit" asks, runs the exit sequence, and WM_COMMAND 1 then closes the frame.
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    item(CommandId::Exit)->trigger();
    EXPECT_EQ(ui_.Messages().size(), 1u);
    EXPECT_FALSE(view.Player().IsRunning());
    EXPECT_TRUE(platform::PathExists(platform::JoinPath(folder_.Path(), "tracks/my.tk")));
    for (int i = 0; i < 20 && frame.isVisible(); ++i) QCoreApplication::processEvents();
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(ui_.Messages().size(), 1u) << "closing does not ask again";

    // The POI type pictures go with the view.
    ui::IconStore::Icon(PoiTypeIcon(5));
    const int cached = ui::IconStore::CachedIconCount();
    owner.reset();
    EXPECT_LT(ui::IconStore::CachedIconCount(), cached);
}

}  // namespace
}  // namespace rq
