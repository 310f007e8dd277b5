// A message payload that counts its destruction, to show who frees what.
#pragma once

#include <atomic>

#include "platform/Window.h"

namespace rq::testing {

struct CountedPayload : platform::MessagePayload {
    explicit CountedPayload(std::atomic<int>& freed) : freed_(freed) {}
    ~CountedPayload() override { ++freed_; }
    std::atomic<int>& freed_;
};

inline platform::WindowMessage CountedMessage(std::uint32_t id, std::atomic<int>& freed,
                                              std::uintptr_t wParam = 0) {
    return platform::WindowMessage{id, wParam, 0, std::make_unique<CountedPayload>(freed)};
}

}  // namespace rq::testing
