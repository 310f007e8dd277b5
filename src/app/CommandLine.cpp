#include "app/CommandLine.h"

#include <charconv>

namespace rq {

const char kCommandLineUsage[] =
    "usage: roamquill [--data-dir DIR] [--screen WxH] [--help]\n"
    "  --data-dir DIR  keep tracks, POIs, logs and settings files in DIR instead of the\n"
    "                  program folder (also ROAMQUILL_DATA_DIR)\n"
    "  --screen WxH    emulate a device screen of W x H pixels (default 480x640)\n";

namespace {

// Screens from 64 to 4096 pixels a side.
bool ParseScreen(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    int w = 0;
    int h = 0;
    const char* end = text.data() + text.size();
    const auto first = std::from_chars(text.data(), text.data() + x, w);
    const auto second = std::from_chars(text.data() + x + 1, end, h);
    if (first.ec != std::errc() || first.ptr != text.data() + x || second.ec != std::errc() ||
        second.ptr != end || x == 0) {
        return false;
    }
    if (w < 64 || h < 64 || w > 4096 || h > 4096) return false;
    width = w;
    height = h;
    return true;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--data-dir" || arg == "--screen") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                line.error = arg + " needs a value";
                return line;
            }
            const std::string& value = args[++i];
            if (arg == "--data-dir") {
                line.dataDir = value;
            } else if (!ParseScreen(value, line.screenWidth, line.screenHeight)) {
                line.error =
                    "--screen wants WxH with 64 to 4096 pixels a side, got \"" + value + "\"";
                return line;
            }
        } else {
            line.error = "unknown argument \"" + arg + "\"";
            return line;
        }
    }
    return line;
}

}  // namespace rq
