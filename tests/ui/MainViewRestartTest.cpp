// A user's whole session, end to end in the offscreen platform: on an empty data folder
// the demo walk is replayed, the four views shown, the map zoomed, milestones set, the
// track saved under a name and loaded as the route, and the program left with "Exit".
// The next start finds the view, the units, the map's centre and scale, the route and
// the track as they were left.
#include <gtest/gtest.h>

#include <QElapsedTimer>
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
#include "ui/MainFrame.h"
#include "ui/ViewWidget.h"
#include "ui/dialogs/FileDialogs.h"

namespace rq {
namespace {

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
    // "Play GPS Log" at speed 100 on the demo log, chosen in the file chooser.
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
    int Milestones() {
        int count = 0;
        for (const CGpsTrackCoordinate& point : view.Data().track.Points())
            count += point.milestone != 0;
        return count;
    }

    ui::CMainFrame frame{240, 320, false, BuiltInDisplayProfile(kScreenClassSmall)};
    CRoamquillPPCView& view = frame.View().View();
};

class MainViewRestart : public test::UiAppTest {
protected:
    void SetUp() override {
        test::TestApp();
        UiAppTest::SetUp();
        std::filesystem::create_directories(folder_ / "logs");
        std::filesystem::copy_file(RQ_SOURCE_DIR "/samples/demo.nmea", folder_ / "logs/demo.nmea");
    }
    test::ModalDialogScript dialogs_;
};

TEST_F(MainViewRestart, ViewUnitsMapRouteAndTrackComeBack) {
    double scale = 0;
    CCoordinate centre;
    std::size_t points = 0;
    std::size_t routePoints = 0;
    int milestones = 0;
    {
        ProgramRun run;
        ASSERT_EQ(run.frame.VisibleCommandBar(), 0) << "a first start shows the map";
        ASSERT_TRUE(run.Replay(dialogs_));
        ASSERT_TRUE(run.AwaitFixes(40));
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
        scale = run.view.Map().GetScale();
        centre = run.view.Map().GetCenter();
        points = run.view.Data().track.GetCount();
        EXPECT_GT(points, routePoints);
        milestones = run.Milestones();
        EXPECT_GE(milestones, 2);
        ui_.AnswerNext(platform::MessageAnswer::Yes);  // "Exit"?
        run.Command(CommandId::Exit);
        // WM_COMMAND 1 closes the frame once it is delivered.
        for (int i = 0; i < 20 && run.frame.isVisible(); ++i) QCoreApplication::processEvents();
        EXPECT_FALSE(run.frame.isVisible());
    }
    EXPECT_EQ(ui_.Messages().size(), 2u) << "the two questions, no failure";

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

// The log chooser's file is opened from the "logs" folder.
TEST_F(MainViewRestart, PlayGpsLogPlaysTheLogChosenInTheLogsFolder) {
    ProgramRun run;
    dialogs_.Then(test::ModalDialogScript::Choose("demo"));
    run.Command(CommandId::PlayGpsLog);
    EXPECT_TRUE(dialogs_.Done());
    EXPECT_TRUE(run.view.Player().IsRunning());
    EXPECT_TRUE(ui_.Messages().empty());
}

// A copy saved under a name leaves "my.tk" to be written at exit.
TEST_F(MainViewRestart, ACopySavedUnderANameLeavesTheTrackForTheNextStart) {
    std::size_t points = 0;
    {
        ProgramRun run;
        ASSERT_TRUE(run.Replay(dialogs_));
        ASSERT_TRUE(run.AwaitFixes(30));
        run.Command(CommandId::PlayGpsLog);  // "Stop"
        points = run.view.Data().track.GetCount();
        dialogs_.Then(test::ModalDialogScript::Type("copy"));
        run.Command(CommandId::SaveTrack);
        run.frame.ExitWithoutAsking();
    }
    ProgramRun run;
    EXPECT_EQ(run.view.Data().track.GetCount(), points);
}

}  // namespace
}  // namespace rq
