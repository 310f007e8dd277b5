// The program's own window messages, numbered from the platform's private message base.
#pragma once

#include <cstdint>

#include "platform/Window.h"

namespace rq {

// Posted by the GPS keepers to their windows: wParam 1 a new fix (the payload), 2 the
// serial connection is lost, 3 playback has ended.
inline constexpr std::uint32_t kMsgPosition = platform::kPrivateMessageBase + 1000;  // 2024
// Sent by the SMS keeper: wParam points to the received-message record, valid only
// during the call.
inline constexpr std::uint32_t kMsgSmsReceived = platform::kPrivateMessageBase + 1001;  // 2025

}  // namespace rq
