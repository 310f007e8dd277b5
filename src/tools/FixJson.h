// The JSON line of one posted fix, shared by the replay and serial sub-commands.
#pragma once

#include <string>

#include "keepers/GpsPosition.h"
#include "platform/Window.h"

namespace rq::tool {

std::string FixToJson(const CGpsPosition& fix);

// Prints what one message 2024 says: a fix line, {"event":"ended"} for code 3 or
// {"event":"connection-lost"} for code 2. Returns the code.
std::uintptr_t PrintPositionMessage(const platform::WindowMessage& message);

}  // namespace rq::tool
