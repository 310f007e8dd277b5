// roamquill-tool replay LOG [--speed F] [--fast] [--repeat]: the real log player, with
// this thread as the window that receives its messages.
#include <cstdlib>
#include <string>

#include "keepers/FileKeeper.h"
#include "platform/QueueWindow.h"
#include "tools/FixJson.h"
#include "tools/ToolCommand.h"

namespace rq::tool {

namespace {

int RunReplay(const std::vector<std::string>& args) {
    const char* name = "replay";
    std::string log;
    float speed = 1.0f;
    bool fast = false;
    bool repeat = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--speed" && i + 1 < args.size()) {
            char* end = nullptr;
            speed = std::strtof(args[++i].c_str(), &end);
            if (!end || *end || !(speed > 0.0f))
                return UsageError(name, "--speed needs a positive number");
        } else if (a == "--fast") {
            fast = true;
        } else if (a == "--repeat") {
            repeat = true;
        } else if (log.empty() && !a.empty() && a[0] != '-') {
            log = a;
        } else {
            return UsageError(name, "unexpected argument '" + a + "'");
        }
    }
    if (log.empty()) return UsageError(name, "a log file is needed");

    platform::QueueWindow window;
    CFileKeeper player;
    if (!player.Open(log)) {
        std::fprintf(stderr, "roamquill-tool replay: cannot open %s\n", log.c_str());
        return 1;
    }
    player.SetSpeed(speed);
    player.SetRepeat(repeat);
    player.SetFast(fast);
    player.AttachWindow(window.Handle());
    if (!player.Start(platform::kNoWindow, platform::ThreadPriority::BelowNormal)) {
        std::fprintf(stderr, "roamquill-tool replay: the player did not start\n");
        return 1;
    }
    bool ended = false;
    while (!ended) {
        window.PumpOne(
            [&](platform::WindowMessage& m) {
                if (PrintPositionMessage(m) == kPositionSourceEnded) ended = true;
            },
            1000);
    }
    player.Stop(10000);
    return 0;
}

ToolCommand command("replay", "LOG [--speed F] [--fast] [--repeat]",
                    "replays an NMEA log through the log player; one JSON line per posted fix",
                    RunReplay);

}  // namespace

}  // namespace rq::tool
