#include "platform/QueueWindow.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/Kernel.h"

namespace rq::platform {

namespace {

// A sent message waits in the queue by reference; its sender blocks until `done`.
struct SendState {
    bool done = false;
    bool handled = false;
};

struct Entry {
    WindowMessage posted;
    WindowMessage* sent = nullptr;
    std::shared_ptr<SendState> state;
};

}  // namespace

struct QueueWindow::Impl : MessageTarget {
    mutable std::mutex mutex;
    std::condition_variable arrived;
    std::condition_variable answered;
    std::deque<Entry> queue;
    bool closed = false;
    // The pumping thread and its handler, so that a handler sending to its own window
    // runs the message at once instead of waiting for itself.
    std::thread::id pumpThread;
    const std::function<void(WindowMessage&)>* handler = nullptr;

    void Queue(WindowMessage message) override {
        std::lock_guard<std::mutex> lock(mutex);
        if (closed) return;  // `message` and its payload die with this call
        queue.push_back(Entry{std::move(message), nullptr, nullptr});
        arrived.notify_one();
    }

    bool Deliver(WindowMessage& message) override {
        auto state = std::make_shared<SendState>();
        std::unique_lock<std::mutex> lock(mutex);
        if (closed) return false;
        if (pumpThread == std::this_thread::get_id()) {
            const std::function<void(WindowMessage&)>* h = handler;
            lock.unlock();
            if (h == nullptr) return false;
            (*h)(message);
            return true;
        }
        queue.push_back(Entry{WindowMessage{}, &message, state});
        arrived.notify_one();
        answered.wait(lock, [&] { return state->done; });
        return state->handled;
    }

    void Close() {
        std::deque<Entry> dropped;
        {
            std::lock_guard<std::mutex> lock(mutex);
            closed = true;
            dropped.swap(queue);
            for (Entry& e : dropped) {
                if (e.state) e.state->done = true;
            }
            answered.notify_all();
        }
        // Payload destructors run here, without the lock.
    }
};

QueueWindow::QueueWindow() : impl_(std::make_shared<Impl>()) {
    handle_ = RegisterWindow(impl_);
}

QueueWindow::~QueueWindow() {
    UnregisterWindow(handle_);
    impl_->Close();
}

WindowHandle QueueWindow::Handle() const {
    return handle_;
}

bool QueueWindow::PumpOne(const std::function<void(WindowMessage&)>& handler,
                          std::uint32_t timeoutMs) {
    Entry entry;
    std::thread::id outerThread;
    const std::function<void(WindowMessage&)>* outerHandler = nullptr;
    {
        std::unique_lock<std::mutex> lock(impl_->mutex);
        auto waiting = [this] { return !impl_->queue.empty(); };
        if (timeoutMs == kInfinite) {
            impl_->arrived.wait(lock, waiting);
        } else if (!impl_->arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs), waiting)) {
            return false;
        }
        entry = std::move(impl_->queue.front());
        impl_->queue.pop_front();
        outerThread = impl_->pumpThread;
        outerHandler = impl_->handler;
        impl_->pumpThread = std::this_thread::get_id();
        impl_->handler = &handler;
    }
    handler(entry.sent != nullptr ? *entry.sent : entry.posted);
    std::lock_guard<std::mutex> lock(impl_->mutex);
    impl_->pumpThread = outerThread;  // a handler may pump in turn
    impl_->handler = outerHandler;
    if (entry.state) {
        entry.state->done = true;
        entry.state->handled = true;
        impl_->answered.notify_all();
    }
    return true;
}

std::size_t QueueWindow::Pending() const {
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->queue.size();
}

}  // namespace rq::platform
