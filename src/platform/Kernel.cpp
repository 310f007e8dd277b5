#include "platform/Kernel.h"

#include <poll.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace rq::platform {

namespace {

std::uint64_t MonotonicMs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
           static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
}

// Milliseconds left until `deadline` as a poll() time-out (-1 waits for ever).
int RemainingMs(std::uint32_t timeoutMs, std::uint64_t deadline) {
    if (timeoutMs == kInfinite) return -1;
    std::uint64_t now = MonotonicMs();
    return now >= deadline ? 0 : static_cast<int>(deadline - now);
}

}  // namespace

// An eventfd counter: non-zero while signalled. Any number of Sets add up to one
// signal, since a single read empties the counter.
struct Event::Impl {
    int fd = -1;
    bool manualReset = false;
};

Event::Event(bool manualReset, bool initiallySet) : impl_(std::make_unique<Impl>()) {
    impl_->fd = ::eventfd(initiallySet ? 1 : 0, EFD_NONBLOCK | EFD_CLOEXEC);
    impl_->manualReset = manualReset;
}

Event::~Event() {
    if (impl_->fd >= 0) ::close(impl_->fd);
}

void Event::Set() {
    std::uint64_t one = 1;
    while (::write(impl_->fd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void Event::Reset() {
    std::uint64_t count;
    while (::read(impl_->fd, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

bool Event::Wait(std::uint32_t timeoutMs) {
    return WaitForAny({this}, timeoutMs) == 0;
}

int Event::PollFd() const {
    return impl_->fd;
}

void Event::Consume() {
    TryConsume();
}

bool Event::TryConsume() {
    if (impl_->manualReset) return true;
    std::uint64_t count;
    for (;;) {
        if (::read(impl_->fd, &count, sizeof count) == sizeof count) return true;
        if (errno != EINTR) return false;  // EAGAIN: another waiter reset it first
    }
}

int WaitForAny(std::initializer_list<Waitable*> objects, std::uint32_t timeoutMs) {
    std::vector<pollfd> fds;
    fds.reserve(objects.size());
    for (Waitable* object : objects) {
        fds.push_back(pollfd{object != nullptr ? object->PollFd() : -1, POLLIN, 0});
    }
    const std::uint64_t deadline = MonotonicMs() + (timeoutMs == kInfinite ? 0 : timeoutMs);
    for (;;) {
        int ready = ::poll(fds.data(), fds.size(), RemainingMs(timeoutMs, deadline));
        if (ready < 0 && errno != EINTR) return kWaitTimeout;
        if (ready > 0) {
            int index = 0;
            for (Waitable* object : objects) {
                const pollfd& p = fds[static_cast<std::size_t>(index)];
                if (p.fd >= 0 && (p.revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL)) != 0 &&
                    object->TryConsume()) {
                    return index;
                }
                ++index;
            }
        }
        if (ready == 0 && RemainingMs(timeoutMs, deadline) == 0) return kWaitTimeout;
    }
}

// Owner and depth kept by hand rather than std::recursive_timed_mutex, so an Unlock by
// a thread that does not own the mutex is refused (as on the device) instead of being
// undefined.
struct Mutex::Impl {
    std::mutex mutex;
    std::condition_variable released;
    std::thread::id owner;
    unsigned depth = 0;
};

Mutex::Mutex() : impl_(std::make_unique<Impl>()) {}
Mutex::~Mutex() = default;

bool Mutex::Lock(std::uint32_t timeoutMs) {
    std::unique_lock<std::mutex> lock(impl_->mutex);
    const std::thread::id self = std::this_thread::get_id();
    if (impl_->depth > 0 && impl_->owner == self) {
        ++impl_->depth;
        return true;
    }
    auto free = [this] { return impl_->depth == 0; };
    if (timeoutMs == kInfinite) {
        impl_->released.wait(lock, free);
    } else if (!impl_->released.wait_for(lock, std::chrono::milliseconds(timeoutMs), free)) {
        return false;
    }
    impl_->owner = self;
    impl_->depth = 1;
    return true;
}

void Mutex::Unlock() {
    std::lock_guard<std::mutex> lock(impl_->mutex);
    if (impl_->depth == 0 || impl_->owner != std::this_thread::get_id()) return;
    if (--impl_->depth == 0) {
        impl_->owner = std::thread::id();
        impl_->released.notify_one();
    }
}

struct Thread::Impl {
    std::thread thread;
};

std::unique_ptr<Thread> Thread::Start(std::function<void()> body, ThreadPriority priority) {
    if (!body) return nullptr;
    std::unique_ptr<Thread> started(new Thread());
    started->impl_ = std::make_unique<Impl>();
    auto run = [body = std::move(body), priority] {
        if (priority == ThreadPriority::BelowNormal) {
            // Linux keeps a nice value per thread; one step above the creator's is one
            // step below the other threads. Not being allowed to is harmless.
            const id_t tid = static_cast<id_t>(::syscall(SYS_gettid));
            errno = 0;
            int nice = ::getpriority(PRIO_PROCESS, tid);
            if (errno == 0) ::setpriority(PRIO_PROCESS, tid, nice + 1);
        }
        body();
    };
    try {
        started->impl_->thread = std::thread(std::move(run));
    } catch (...) {
        return nullptr;  // no resources for another thread
    }
    return started;
}

Thread::~Thread() {
    if (impl_ && impl_->thread.joinable()) impl_->thread.detach();
}

void Thread::Join() {
    if (!impl_ || !impl_->thread.joinable()) return;
    if (impl_->thread.get_id() == std::this_thread::get_id()) return;  // would never end
    impl_->thread.join();
}

bool Thread::Joinable() const {
    return impl_ && impl_->thread.joinable();
}

std::uint32_t GetTickCount() {
    return static_cast<std::uint32_t>(MonotonicMs());
}

void Sleep(std::uint32_t ms) {
    if (ms == 0) {
        ::sched_yield();
        return;
    }
    timespec request{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    timespec remaining{};
    while (::nanosleep(&request, &remaining) != 0 && errno == EINTR) request = remaining;
}

}  // namespace rq::platform
