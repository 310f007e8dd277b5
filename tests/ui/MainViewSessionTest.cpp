// A user's whole session, end to end in the offscreen platform: on an empty data folder
// the demo walk is replayed and drawn, the four views shown, the map zoomed, milestones
// set, the track saved under a name and loaded as the route, and the program left with
// "Exit" from the menu. The next start finds the view, the units, the map's centre and
// scale, the route and the track as they were left.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QMenu>
#include <QToolBar>
#include <algorithm>
#include <filesystem>

#include "app/DisplayProfile.h"
#include "app/Screen.h"
#include "app/Settings.h"
#include "platform/Files.h"
#include "platform/Registry.h"
#include "support/AppTest.h"
#include "support/ModalDialogScript.h"
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

// One run of the program: its frame, shown and initially updated.
struct ProgramRun {
    ProgramRun() {
        frame.show();
        view.OnInitialUpdate();
    }
    // A command as the menus give it: the view's own, else the frame's ("Exit").
    void Command(CommandId command) {
        if (!view.OnCommand(command)) frame.OnCommand(command);
    }
    // The map bar's button for `id` as the strip's timer refreshes it, else its menu item
    // as opening the menu refreshes it.
    QAction* Item(CommandId id) {
        const QVariant data(static_cast<int>(id));
        frame.UpdateStrip();
        for (QAction* action : frame.CommandBar(0)->actions())
            if (action->data() == data) return action;
        for (QMenu* menu : frame.CommandBar(0)->findChildren<QMenu*>()) {
            emit menu->aboutToShow();
            for (QAction* action : menu->actions())
                if (action->data() == data) return action;
        }
        ADD_FAILURE() << "no action for command " << data.toInt();
        static QAction none;
        return &none;
    }
    // "Play GPS Log" at speed 100 on the demo log, chosen in the file chooser of "logs".
    bool Replay(test::ModalDialogScript& dialogs) {
        Command(CommandId::PlaySpeed100);
        dialogs.Then(test::ModalDialogScript::Choose("demo"));
        Command(CommandId::PlayGpsLog);
        return dialogs.Done() && view.Player().IsRunning();
    }
    bool AwaitFixes(std::uint32_t more) {
        const std::uint32_t until = view.Data().track.fixCount + more;
        QElapsedTimer clock;
        clock.start();
        while (view.Data().track.fixCount < until && clock.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return view.Data().track.fixCount >= until;
    }
    auto Milestones() {
        const auto& points = view.Data().track.Points();
        return std::count_if(points.begin(), points.end(), [](auto& p) { return p.milestone; });
    }

    ui::CMainFrame frame{240, 320, false, BuiltInDisplayProfile(kScreenClassSmall)};
    CRoamquillPPCView& view = frame.View().View();
};

class MainViewSession : public test::UiAppTest {
protected:
    void SetUp() override {
        test::TestApp();
        UiAppTest::SetUp();
        std::filesystem::create_directories(folder_ / "logs");
        std::filesystem::copy_file(RQ_SOURCE_DIR "/samples/demo.nmea", folder_ / "logs/demo.nmea");
    }
    test::ModalDialogScript dialogs_;
};

TEST_F(MainViewSession, ReplayDrawMenusExitAndRestart) {
    double scale = 0;
    CCoordinate centre;
    std::size_t points = 0;
    std::size_t routePoints = 0;
    int milestones = 0;
    int cachedIcons = 0;
    {
        ProgramRun run;
        ASSERT_TRUE(run.frame.CreatedView());
        ASSERT_EQ(run.frame.VisibleCommandBar(), 0) << "a first start shows the map";
        PaintCounter counter;
        run.frame.View().ControlWindow(0)->installEventFilter(&counter);
        EXPECT_FALSE(run.Item(CommandId::AddMilestone)->isEnabled()) << "no milestone before a fix";
        ASSERT_TRUE(run.Replay(dialogs_));
        EXPECT_TRUE(run.view.Map().m_playIcon.shown);
        ASSERT_TRUE(run.AwaitFixes(40));
        EXPECT_GE(counter.paints, 2) << "the map repaints as fixes arrive";
        EXPECT_TRUE(run.Item(CommandId::AddMilestone)->isEnabled());
        EXPECT_TRUE(run.Item(CommandId::CenterGps)->isChecked()) << "the map follows the fix";
        // The walk is on screen in the track's colour.
        const QImage map = run.frame.View().ControlWindow(0)->grab().toImage();
        int trackPixels = 0;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x)
                trackPixels += map.pixel(x, y) == qRgb(0, 255, 255);
        EXPECT_GT(trackPixels, 10);
        // The menus tell what the commands do now: "Stop" while playing, "Connect" greyed,
        // the map's item checked; the label of the POI file greyed.
        EXPECT_EQ(run.Item(CommandId::PlayGpsLog)->text(), "Stop");
        EXPECT_FALSE(run.Item(CommandId::Connect)->isEnabled());
        EXPECT_TRUE(run.Item(CommandId::ViewMap)->isChecked());
        EXPECT_FALSE(run.Item(CommandId::ViewCompass)->isChecked());
        EXPECT_FALSE(run.Item(CommandId::CurrentPoiFile)->isEnabled());
        EXPECT_EQ(run.Item(CommandId::CurrentPoiFile)->text(), "<No Name>");
        QAction* exit = run.Item(CommandId::Exit);
        EXPECT_TRUE(exit->isEnabled());

        const CommandId views[] = {CommandId::ViewSatellite, CommandId::ViewCompass,
                                   CommandId::ViewInfoPanel, CommandId::ViewMap};
        for (int i = 0; i < 4; ++i) {
            run.Command(views[i]);
            const int shown = (i + 1) % 4;
            EXPECT_EQ(run.frame.VisibleCommandBar(), shown);
            EXPECT_TRUE(run.frame.View().ControlWindow(shown)->isVisible()) << shown;
        }
        run.Command(CommandId::ZoomIn);
        run.Command(CommandId::ZoomIn);
        ui_.AnswerNext(platform::MessageAnswer::Yes);  // reset the milestone counter
        run.Command(CommandId::AddInitialMilestone);

        // A copy of the walk so far becomes the route; the walk goes on.
        dialogs_.Then(test::ModalDialogScript::Type("park walk"));
        run.Command(CommandId::SaveTrack);
        dialogs_.Then(test::ModalDialogScript::Choose("park walk"));
        run.Command(CommandId::LoadTrackAsRoute);
        EXPECT_TRUE(dialogs_.Done());
        routePoints = run.view.Data().route.GetCount();
        EXPECT_GT(routePoints, 1u);
        ASSERT_TRUE(run.AwaitFixes(20));
        run.Command(CommandId::AddMilestone);
        run.Command(CommandId::PlayGpsLog);  // "Stop"
        EXPECT_FALSE(run.view.Player().IsRunning());

        run.Command(CommandId::Nautical);
        run.Command(CommandId::CenterGps);  // the map stays where the user puts it
        run.Command(CommandId::ScrollLeft);
        run.Command(CommandId::ViewCompass);
        ASSERT_TRUE(run.Replay(dialogs_));  // for "Exit" to stop

        // "Exit" asks, runs the exit sequence, and WM_COMMAND 1 then closes the frame.
        ui_.AnswerNext(platform::MessageAnswer::Yes);
        exit->trigger();
        EXPECT_FALSE(run.view.Player().IsRunning());
        EXPECT_TRUE(platform::PathExists(platform::JoinPath(folder_.Path(), "tracks/my.tk")));
        scale = run.view.Map().GetScale();
        centre = run.view.Map().GetCenter();
        points = run.view.Data().track.GetCount();
        EXPECT_GT(points, routePoints);
        milestones = run.Milestones();
        EXPECT_GE(milestones, 2);
        for (int i = 0; i < 20 && run.frame.isVisible(); ++i) QCoreApplication::processEvents();
        EXPECT_FALSE(run.frame.isVisible());
        ui::IconStore::Icon(PoiTypeIcon(5));
        cachedIcons = ui::IconStore::CachedIconCount();
    }
    EXPECT_LT(ui::IconStore::CachedIconCount(), cachedIcons) << "the POI pictures go with the view";
    EXPECT_EQ(ui_.Messages().size(), 2u) << "the two questions, no failure; closing asks nothing";

    // What the next process reads: the settings file, and the data folder.
    platform::OpenRegistry(folder_.Path() + "registry.reg");
    ProgramRun run;
    EXPECT_EQ(run.frame.VisibleCommandBar(), 2);
    EXPECT_TRUE(run.frame.View().ControlWindow(2)->isVisible());
    EXPECT_EQ(run.view.Data().unitMode, 2u);
    EXPECT_DOUBLE_EQ(run.view.Map().GetScale(), scale);
    EXPECT_NEAR(run.view.Map().GetCenter().m_lat.value, centre.m_lat.value, 1e-9);
    EXPECT_NEAR(run.view.Map().GetCenter().m_lon.value, centre.m_lon.value, 1e-9);
    EXPECT_EQ(run.view.Data().route.GetCount(), routePoints);
    EXPECT_EQ(GetLastLoadedRoute(), u"park walk.trk");
    EXPECT_EQ(run.view.Data().track.GetCount(), points);
    EXPECT_EQ(run.Milestones(), milestones);
    EXPECT_EQ(ui_.Messages().size(), 2u) << "nothing failed to load";
}

}  // namespace
}  // namespace rq
