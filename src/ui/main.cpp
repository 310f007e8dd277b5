// roamquill [--data-dir DIR] [--screen WxH] [--replay LOG [--speed F]] [--screenshot FILE
// [--after MS]] [--quit-after MS] [--help]: the application in a window that stands for
// the device's screen.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/DisplayProfile.h"
#include "app/RoamquillPPCApp.h"
#include "app/Screen.h"
#include "app/Settings.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "ui/IconStore.h"
#include "ui/MainFrame.h"
#include "ui/QtUserInterface.h"
#include "ui/SingleInstance.h"
#include "ui/StartActions.h"
#include "ui/ViewWidget.h"
#include "ui/dialogs/LanguageDialog.h"

int main(int argc, char** argv) {
    // --help answers without a display; other arguments are read once Qt has taken its
    // own options (-platform and the like) out of the list.
    rq::CommandLine commandLine =
        rq::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (commandLine.help) {
        std::fputs(rq::kCommandLineUsage, stdout);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setWindowIcon(rq::ui::IconStore::ApplicationIcon());
    commandLine = rq::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "roamquill: %s\n%s", commandLine.error.c_str(), rq::kCommandLineUsage);
        return 2;
    }

    if (!commandLine.dataDir.empty()) {
        // The chosen folder is made when missing; one that cannot be written is reported
        // by the start-up check of the data folders.
        QDir().mkpath(QString::fromStdString(commandLine.dataDir));
        rq::platform::SetProgramFolder(
            QDir(QString::fromStdString(commandLine.dataDir)).absolutePath().toStdString());
    }
    // One instance per program and data folder: a second start on the same folder raises
    // the first, while instances with folders of their own run side by side (as friends
    // on two bind addresses, say).
    rq::ui::SingleInstance instance(QCoreApplication::applicationFilePath() + QLatin1Char('|') +
                                    QString::fromStdString(rq::platform::ProgramFolder()));
    if (!instance.Acquire()) return 0;

    // A damaged settings file was set aside and the store starts empty; say so once.
    const std::string registryProblem = rq::platform::Registry().TakeLoadProblem();
    if (!registryProblem.empty()) std::fprintf(stderr, "roamquill: %s\n", registryProblem.c_str());
    rq::SetScreenSize(commandLine.screenWidth, commandLine.screenHeight);

    rq::ui::QtUserInterface userInterface;
    // An unattended run (--quit-after) asks nothing: messages go to standard error,
    // questions are answered No, and the language is the built-in one, nothing stored.
    const bool unattended = commandLine.quitAfterMs >= 0;
    if (!unattended) rq::platform::SetUserInterface(&userInterface);
    rq::ui::LanguageDialogChooser languageDialog;
    struct : rq::LanguageChooser {
        std::optional<std::uint32_t> ChooseLanguage() override { return std::nullopt; }
    } noLanguageQuestion;
    rq::CRoamquillPPCApp app(unattended ? static_cast<rq::LanguageChooser&>(noLanguageQuestion)
                                        : languageDialog);

    std::unique_ptr<rq::ui::CMainFrame> frame;
    const bool started = app.InitInstance([&] {
        frame = std::make_unique<rq::ui::CMainFrame>(rq::ScreenWidth(), rq::ScreenHeight(),
                                                     rq::ScreenClass() == rq::kScreenClassVga,
                                                     rq::CurrentDisplayProfile());
        if (!frame->CreatedView()) return false;
        userInterface.SetParent(frame.get());
        frame->show();
        frame->View().View().SetStartSmsKeeper(true);
        frame->View().View().OnInitialUpdate();
        return true;
    });
    int status = 0;
    if (started) {
        instance.SetRaiseHandler([&frame] {
            frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
            frame->raise();
            frame->activateWindow();
        });
        rq::ui::ScheduleCommandLineActions(commandLine, *frame);
        status = QApplication::exec();
    }
    frame.reset();
    rq::platform::SetUserInterface(nullptr);
    app.ExitInstance();
    return status;
}
