// A sent message on its way from the sending thread to the window's owner thread. It
// holds the message, so whichever side lets go last frees it and its payload. The sender
// waits until the owner has handled it, the window could not take it, or, when it gives
// an event to wait on as well, that event is signalled: it then gives the message up. A
// message given up before its handler started is never handled; one given up while its
// handler runs is handled in full. Either way the payload stays valid during the call.
#pragma once

#include <functional>
#include <mutex>

#include "platform/Kernel.h"
#include "platform/Window.h"

namespace rq::platform {

class Delivery {
public:
    explicit Delivery(WindowMessage message) : message_(std::move(message)) {}
    Delivery(const Delivery&) = delete;
    Delivery& operator=(const Delivery&) = delete;

    // Owner thread: runs the handler on the message unless the sender has given it up
    // (false then) or it has already been run or dropped.
    bool Run(const std::function<void(WindowMessage&)>& handler);
    // Owner side: the window will not handle the message; the sender is released.
    void Drop();

    // Sender side: waits for the handler, or for `giveUp` too when it is not null.
    SendResult Wait(Waitable* giveUp);
    // The message, for the sender once Wait has returned Handled or NotHandled: the
    // owner thread no longer touches it then.
    WindowMessage& Message() { return message_; }

private:
    enum class State { Waiting, Running, Handled, Dropped, GivenUp };

    std::mutex mutex_;
    State state_ = State::Waiting;
    Event finished_{true, false};  // manual reset: set once, when the outcome is known
    WindowMessage message_;
};

}  // namespace rq::platform
