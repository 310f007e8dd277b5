#include "platform/QueueWindow.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "platform/Delivery.h"
#include "platform/Kernel.h"

namespace rq::platform {

namespace {

// A posted message, or a sent one still shared with its sender.
struct Entry {
    WindowMessage posted;
    std::shared_ptr<Delivery> sent;
};

}  // namespace

struct QueueWindow::Impl : MessageTarget {
    mutable std::mutex mutex;
    std::condition_variable arrived;
    std::deque<Entry> queue;
    bool closed = false;
    // The pumping thread and its handler, so that a handler sending to its own window
    // runs the message at once instead of waiting for itself.
    std::thread::id pumpThread;
    const std::function<void(WindowMessage&)>* handler = nullptr;

    void Queue(WindowMessage message) override {
        std::lock_guard<std::mutex> lock(mutex);
        if (closed) return;  // `message` and its payload die with this call
        queue.push_back(Entry{std::move(message), nullptr});
        arrived.notify_one();
    }

    bool Deliver(std::shared_ptr<Delivery> delivery) override {
        std::unique_lock<std::mutex> lock(mutex);
        if (closed) return false;
        if (pumpThread == std::this_thread::get_id()) {
            const std::function<void(WindowMessage&)>* h = handler;
            lock.unlock();
            if (h == nullptr) return false;
            delivery->Run(*h);
            return true;
        }
        queue.push_back(Entry{WindowMessage{}, std::move(delivery)});
        arrived.notify_one();
        return true;
    }

    void Close() {
        std::deque<Entry> dropped;
        {
            std::lock_guard<std::mutex> lock(mutex);
            closed = true;
            dropped.swap(queue);
        }
        // Senders are released and payloads freed here, without the lock.
        for (Entry& e : dropped) {
            if (e.sent) e.sent->Drop();
        }
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
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        Entry entry;
        std::thread::id outerThread;
        const std::function<void(WindowMessage&)>* outerHandler = nullptr;
        {
            std::unique_lock<std::mutex> lock(impl_->mutex);
            auto waiting = [this] { return !impl_->queue.empty(); };
            if (timeoutMs == kInfinite) {
                impl_->arrived.wait(lock, waiting);
            } else if (!impl_->arrived.wait_until(lock, deadline, waiting)) {
                return false;
            }
            entry = std::move(impl_->queue.front());
            impl_->queue.pop_front();
            outerThread = impl_->pumpThread;
            outerHandler = impl_->handler;
            impl_->pumpThread = std::this_thread::get_id();
            impl_->handler = &handler;
        }
        const bool ran = entry.sent ? entry.sent->Run(handler) : (handler(entry.posted), true);
        {
            std::lock_guard<std::mutex> lock(impl_->mutex);
            impl_->pumpThread = outerThread;  // a handler may pump in turn
            impl_->handler = outerHandler;
        }
        // A send given up before it came up is dropped unhandled; the wait goes on.
        if (ran) return true;
    }
}

std::size_t QueueWindow::Pending() const {
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->queue.size();
}

}  // namespace rq::platform
