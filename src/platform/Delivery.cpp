#include "platform/Delivery.h"

namespace rq::platform {

bool Delivery::Run(const std::function<void(WindowMessage&)>& handler) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ != State::Waiting) return false;
        state_ = State::Running;
    }
    handler(message_);
    std::lock_guard<std::mutex> lock(mutex_);
    // A sender that gave up meanwhile has already gone; the message dies with the last
    // reference to this object.
    if (state_ == State::Running) state_ = State::Handled;
    finished_.Set();
    return true;
}

void Delivery::Drop() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ != State::Waiting) return;
    state_ = State::Dropped;
    finished_.Set();
}

SendResult Delivery::Wait(Waitable* giveUp) {
    if (giveUp != nullptr) {
        WaitForAny({&finished_, giveUp}, kInfinite);
    } else {
        while (!finished_.Wait(kInfinite)) {
        }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    switch (state_) {
        case State::Handled:
            return SendResult::Handled;
        case State::Dropped:
            return SendResult::NotHandled;
        default:
            // Waiting: it will never run. Running: the handler finishes with the message.
            state_ = State::GivenUp;
            return SendResult::GivenUp;
    }
}

}  // namespace rq::platform
