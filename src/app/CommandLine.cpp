#include "app/CommandLine.h"

#include <charconv>

namespace rq {

const char kCommandLineUsage[] =
    "usage: roamquill [--data-dir DIR] [--screen WxH] [--replay LOG [--speed F]]\n"
    "                 [--screenshot FILE [--after MS]] [--quit-after MS] [--help]\n"
    "  --data-dir DIR  keep tracks, POIs, logs and settings files in DIR instead of the\n"
    "                  program folder (also ROAMQUILL_DATA_DIR)\n"
    "  --screen WxH    emulate a device screen of W x H pixels (default 480x640)\n"
    "  --replay LOG    play the NMEA log at start, as \"Play GPS Log\" does\n"
    "  --speed F       the replay's speed factor, above 0 up to 1000 (default 2.0)\n"
    "  --screenshot FILE  write the window as PNG to FILE\n"
    "  --after MS      when to take the screenshot, in milliseconds (default 3000)\n"
    "  --quit-after MS  save and quit without asking after MS milliseconds\n";

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

bool ParseMs(const std::string& text, int& out) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    if (r.ec != std::errc() || r.ptr != end || value < 0) return false;
    out = value;
    return true;
}

bool ParseSpeed(const std::string& text, float& out) {
    float value = 0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    // Not NaN, above 0, and a wait of at least one millisecond per fix second.
    if (r.ec != std::errc() || r.ptr != end || !(value > 0 && value <= 1000)) return false;
    out = value;
    return true;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    bool speedGiven = false;
    bool afterGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--data-dir" || arg == "--screen" || arg == "--replay" ||
                   arg == "--speed" || arg == "--screenshot" || arg == "--after" ||
                   arg == "--quit-after") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                line.error = arg + " needs a value";
                return line;
            }
            const std::string& value = args[++i];
            speedGiven = speedGiven || arg == "--speed";
            afterGiven = afterGiven || arg == "--after";
            bool good = true;
            if (arg == "--data-dir") {
                line.dataDir = value;
            } else if (arg == "--screen") {
                good = ParseScreen(value, line.screenWidth, line.screenHeight);
            } else if (arg == "--replay") {
                line.replay = value;
            } else if (arg == "--speed") {
                good = ParseSpeed(value, line.speed);
            } else if (arg == "--screenshot") {
                line.screenshot = value;
            } else if (arg == "--after") {
                good = ParseMs(value, line.screenshotAfterMs);
            } else {
                good = ParseMs(value, line.quitAfterMs);
            }
            if (!good) {
                line.error = arg == "--screen"  ? "--screen wants WxH with 64 to 4096 pixels a side"
                             : arg == "--speed" ? "--speed wants a factor above 0 up to 1000"
                                                : arg + " wants a number of milliseconds";
                line.error += ", got \"" + value + "\"";
                return line;
            }
        } else {
            line.error = "unknown argument \"" + arg + "\"";
            return line;
        }
    }
    if (line.replay.empty() && speedGiven) line.error = "--speed goes with --replay";
    if (line.screenshot.empty() && afterGiven) line.error = "--after goes with --screenshot";
    return line;
}

}  // namespace rq
