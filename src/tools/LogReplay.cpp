#include "tools/LogReplay.h"

#include <cstdio>

#include "keepers/FileKeeper.h"
#include "keepers/PositionMessage.h"
#include "platform/QueueWindow.h"
#include "resources/MessageIds.h"
#include "view/GpsViewData.h"
#include "view/NewFix.h"

namespace rq::tool {

bool ReplayLogFast(const char* command, const std::string& log, CGpsViewData& data,
                   const CRecordingSettings& settings, CViewDisplay* display) {
    platform::QueueWindow window;
    CFileKeeper player;
    if (!player.Open(log)) {
        std::fprintf(stderr, "roamquill-tool %s: cannot open %s\n", command, log.c_str());
        return false;
    }
    player.SetFast(true);
    player.AttachWindow(window.Handle());
    if (!player.Start(platform::kNoWindow, platform::ThreadPriority::BelowNormal)) {
        std::fprintf(stderr, "roamquill-tool %s: the player did not start\n", command);
        return false;
    }
    bool ended = false;
    while (!ended) {
        const bool got = window.PumpOne(
            [&](platform::WindowMessage& message) {
                if (const CGpsPosition* fix = PositionOf(message))
                    OnNewFix(data, *fix, settings, display);
                else if (message.id == kMsgPosition && message.wParam == kPositionSourceEnded)
                    ended = true;
            },
            60000);
        if (!got) break;
    }
    player.Stop(10000);
    player.Close();
    if (!ended) std::fprintf(stderr, "roamquill-tool %s: the player stopped answering\n", command);
    return ended;
}

}  // namespace rq::tool
