// roamquill-tool serial PORT [--baud B] [--record FILE]: the serial keeper on a
// "COMn:" name or a device path, with this thread as the window of its messages.
#include <cstdlib>
#include <string>

#include "keepers/CommKeeper.h"
#include "platform/QueueWindow.h"
#include "platform/Text.h"
#include "tools/FixJson.h"
#include "tools/ToolCommand.h"

namespace rq::tool {

namespace {

int RunSerial(const std::vector<std::string>& args) {
    const char* name = "serial";
    std::string port;
    std::string record;
    unsigned long baud = 4800;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--baud" && i + 1 < args.size()) {
            char* end = nullptr;
            baud = std::strtoul(args[++i].c_str(), &end, 10);
            if (!end || *end || !platform::IsSupportedBaudRate(static_cast<std::uint32_t>(baud)))
                return UsageError(name, "unsupported baud rate " + args[i]);
        } else if (a == "--record" && i + 1 < args.size()) {
            record = args[++i];
        } else if (port.empty() && !a.empty() && a[0] != '-') {
            port = a;
        } else {
            return UsageError(name, "unexpected argument '" + a + "'");
        }
    }
    if (port.empty()) return UsageError(name, "a port (COMn: or a device path) is needed");

    platform::QueueWindow window;
    CCommKeeper keeper;
    keeper.AttachWindow(window.Handle());
    if (!keeper.OpenPort(platform::FromUtf8(port), static_cast<std::uint32_t>(baud), 8, false, 0,
                         platform::kTwoStopBits, 10, 10, 10, 10, 10)) {
        std::fprintf(stderr, "roamquill-tool serial: cannot open %s\n", port.c_str());
        return 1;
    }
    if (!keeper.Start(platform::kNoWindow, platform::ThreadPriority::Normal)) {
        std::fprintf(stderr, "roamquill-tool serial: the keeper did not start\n");
        return 1;
    }
    if (!record.empty() && !keeper.StartRecording(record)) {
        std::fprintf(stderr, "roamquill-tool serial: cannot record to %s\n", record.c_str());
        keeper.Stop(10000);
        return 1;
    }
    bool lost = false;
    while (!lost) {
        window.PumpOne(
            [&](platform::WindowMessage& m) {
                if (PrintPositionMessage(m) == kPositionConnectionLost) lost = true;
            },
            1000);
    }
    keeper.Stop(10000);
    return 0;
}

ToolCommand command("serial", "PORT [--baud B] [--record FILE]",
                    "reads a GPS receiver through the serial keeper; one JSON line per posted fix",
                    RunSerial);

}  // namespace

}  // namespace rq::tool
