// Window handles and messages. A window handle is an id in a table of live windows;
// PostMessage queues for the window's owner thread, SendMessage runs the handler on
// that thread and returns when it is done. A message posted to a window that is dead,
// or that dies before it handles the message, is dropped and its payload freed.
#pragma once

#include <cstdint>
#include <memory>

namespace rq::platform {

using WindowHandle = std::uint32_t;
inline constexpr WindowHandle kNoWindow = 0;

// A program numbers its own messages from here up.
inline constexpr std::uint32_t kPrivateMessageBase = 1024;
inline constexpr std::uint32_t kMsgCommand = 0x0111;  // WM_COMMAND

// What a posted message owns; the receiver takes it over.
class MessagePayload {
public:
    virtual ~MessagePayload() = default;
};

struct WindowMessage {
    std::uint32_t id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::unique_ptr<MessagePayload> payload;
};

// The owner side of a window: the Qt front end and the test/tool queue implement it.
class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    // Queue for the owner thread; dropping the message frees its payload.
    virtual void Queue(WindowMessage message) = 0;
    // Run the owner's handler on its thread and return when it is done; false when the
    // window died before it could handle the message.
    virtual bool Deliver(WindowMessage& message) = 0;
};

WindowHandle RegisterWindow(std::shared_ptr<MessageTarget> target);
void UnregisterWindow(WindowHandle window);
bool IsWindow(WindowHandle window);
bool PostMessage(WindowHandle window, WindowMessage message);
bool SendMessage(WindowHandle window, WindowMessage& message);

}  // namespace rq::platform
