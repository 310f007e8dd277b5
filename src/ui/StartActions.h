// What the command line asks of a started program: a log replayed from the start, a
// screenshot of the window, a quit without the exit question.
#pragma once

#include "app/CommandLine.h"

namespace rq::ui {

class CMainFrame;

// Starts the replay now and sets timers for the screenshot and the quit.
void ScheduleCommandLineActions(const CommandLine& commandLine, CMainFrame& frame);

}  // namespace rq::ui
