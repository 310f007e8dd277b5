// What message 2024 carries. Code 1 comes with a CPositionMessage payload holding a
// copy of the fix; the window that handles the message owns it from then on, and a
// window that dies first has it freed with its queue. Codes 2 and 3 carry nothing.
#pragma once

#include "keepers/GpsPosition.h"
#include "platform/Window.h"
#include "resources/MessageIds.h"

namespace rq {

inline constexpr std::uintptr_t kPositionNewFix = 1;
inline constexpr std::uintptr_t kPositionConnectionLost = 2;
inline constexpr std::uintptr_t kPositionSourceEnded = 3;

class CPositionMessage : public platform::MessagePayload {
public:
    explicit CPositionMessage(const CGpsPosition& fix) : position(fix) {}
    CGpsPosition position;
};

// The fix of a code-1 message, or null for anything else.
inline const CGpsPosition* PositionOf(const platform::WindowMessage& message) {
    if (message.id != kMsgPosition || message.wParam != kPositionNewFix) return nullptr;
    auto* payload = dynamic_cast<const CPositionMessage*>(message.payload.get());
    return payload ? &payload->position : nullptr;
}

}  // namespace rq
