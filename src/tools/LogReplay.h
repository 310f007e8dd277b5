// Plays a log without pacing through the real player and runs the per-fix procedure for
// every fix, as the main view does: the sub-commands that need a filled model use it.
#pragma once

#include <string>

#include "track/RecordingSettings.h"

namespace rq {
class CGpsViewData;
class CViewDisplay;
}  // namespace rq

namespace rq::tool {

// False, with "roamquill-tool COMMAND: ..." on standard error, when the log cannot be
// opened or the player stops answering.
bool ReplayLogFast(const char* command, const std::string& log, CGpsViewData& data,
                   const CRecordingSettings& settings, CViewDisplay* display);

}  // namespace rq::tool
