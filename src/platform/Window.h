// Window handles and messages. A window handle is an id in a table of live windows;
// PostMessage queues for the window's owner thread, SendMessage runs the handler on
// that thread and returns when it is done. A message posted to a window that is dead,
// or that dies before it handles the message, is dropped and its payload freed.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Kernel.h"

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

enum class SendResult {
    Handled,     // the handler ran and returned
    NotHandled,  // the window died first, or was never there
    GivenUp,     // the sender stopped waiting (see Delivery)
};

class Delivery;

// The owner side of a window: the Qt front end and the test/tool queue implement it.
class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    // Queue for the owner thread; dropping the message frees its payload.
    virtual void Queue(WindowMessage message) = 0;
    // Take a sent message: run it at once when called on the owner thread, otherwise
    // queue it for that thread, which runs or drops it. False when the window can take
    // no more messages.
    virtual bool Deliver(std::shared_ptr<Delivery> delivery) = 0;
};

WindowHandle RegisterWindow(std::shared_ptr<MessageTarget> target);
void UnregisterWindow(WindowHandle window);
bool IsWindow(WindowHandle window);
bool PostMessage(WindowHandle window, WindowMessage message);
// Runs the window's handler on its owner thread and returns when it is done: true when
// it was handled. The message comes back to the caller, payload included.
bool SendMessage(WindowHandle window, WindowMessage& message);
// The same, but the wait also ends when `giveUp` is signalled, so a worker asked to stop
// is never held by a busy owner thread. Given up, the message stays with the owner
// thread, which handles it in full or drops it unhandled, and frees it; `message` is
// then left empty. Anything the handler reads must therefore live in the payload.
SendResult SendMessage(WindowHandle window, WindowMessage& message, Waitable& giveUp);

}  // namespace rq::platform
