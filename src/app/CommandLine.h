// The application's command line: roamquill [--data-dir DIR] [--screen WxH] [--help].
#pragma once

#include <string>
#include <vector>

namespace rq {

struct CommandLine {
    std::string dataDir;  // empty: the program folder
    int screenWidth = 480;
    int screenHeight = 640;
    bool help = false;
    std::string error;  // non-empty when the arguments cannot be used
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
extern const char kCommandLineUsage[];

}  // namespace rq
