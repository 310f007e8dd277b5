// A message payload that counts its destruction, to show who frees what.
#pragma once

#include <atomic>

#include "platform/Window.h"

namespace rq::testing {

class CountedPayload : public platform::MessagePayload {
public:
    explicit CountedPayload(std::atomic<int>& freed, int tag = 0) : freed_(freed), tag_(tag) {}
    ~CountedPayload() override { ++freed_; }
    int Tag() const { return tag_; }

private:
    std::atomic<int>& freed_;
    int tag_;
};

inline platform::WindowMessage CountedMessage(std::uint32_t id, std::atomic<int>& freed,
                                              int tag = 0) {
    platform::WindowMessage m;
    m.id = id;
    m.wParam = static_cast<std::uintptr_t>(tag);
    m.payload = std::make_unique<CountedPayload>(freed, tag);
    return m;
}

}  // namespace rq::testing
