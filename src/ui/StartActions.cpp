#include "ui/StartActions.h"

#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "ui/MainFrame.h"
#include "ui/ViewWidget.h"

namespace rq::ui {

void ScheduleCommandLineActions(const CommandLine& commandLine, CMainFrame& frame) {
    if (!commandLine.replay.empty()) {
        frame.View().View().PlayLog(commandLine.replay, commandLine.speed);
    }
    if (!commandLine.screenshot.empty()) {
        const QString file = QString::fromStdString(commandLine.screenshot);
        QTimer::singleShot(commandLine.screenshotAfterMs, &frame, [&frame, file] {
            if (!frame.grab().save(file, "PNG")) {
                std::fprintf(stderr, "roamquill: cannot write the screenshot %s\n",
                             qPrintable(file));
            }
        });
    }
    if (commandLine.quitAfterMs >= 0) {
        QTimer::singleShot(commandLine.quitAfterMs, &frame,
                           [&frame] { frame.ExitWithoutAsking(); });
    }
}

}  // namespace rq::ui
