// A window whose messages wait in a queue until its owner thread pumps them: the test
// implementation of windows, and the window of roamquill-tool's main thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Window.h"

namespace rq::platform {

class QueueWindow {
public:
    QueueWindow();
    // Unregisters the window: queued payloads are freed, waiting senders return false.
    ~QueueWindow();
    QueueWindow(const QueueWindow&) = delete;
    QueueWindow& operator=(const QueueWindow&) = delete;

    WindowHandle Handle() const;
    // Handles one posted or sent message arriving within the time-out (a sender is
    // released when the handler returns). False on time-out. A sent message whose
    // sender gave up before it came up is dropped on the way, unhandled.
    bool PumpOne(const std::function<void(WindowMessage&)>& handler, std::uint32_t timeoutMs);
    // Messages waiting, given-up sends included until they come up.
    std::size_t Pending() const;

private:
    struct Impl;
    std::shared_ptr<Impl> impl_;
    WindowHandle handle_ = kNoWindow;
};

}  // namespace rq::platform
