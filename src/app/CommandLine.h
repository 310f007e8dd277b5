// The application's command line: roamquill [--data-dir DIR] [--screen WxH]
// [--replay LOG [--speed F]] [--screenshot FILE [--after MS]] [--quit-after MS] [--help].
#pragma once

#include <string>
#include <vector>

namespace rq {

struct CommandLine {
    std::string dataDir;  // empty: the program folder
    int screenWidth = 480;
    int screenHeight = 640;
    std::string replay;  // a log to play at start, as "Play GPS Log" would
    float speed = 2.0f;
    std::string screenshot;  // a PNG of the window, written `screenshotAfterMs` after start
    int screenshotAfterMs = 3000;
    int quitAfterMs = -1;  // exit without asking that long after start; -1 never
    bool help = false;
    std::string error;  // non-empty when the arguments cannot be used
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
extern const char kCommandLineUsage[];

}  // namespace rq
