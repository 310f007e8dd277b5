// Kernel objects as the keepers use them: auto-reset events that can be waited on
// together, mutexes with time-outs, worker threads with a priority hint, and the
// millisecond tick count.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

namespace rq::platform {

inline constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;
inline constexpr int kWaitTimeout = -1;

// Something a thread can wait for. Backed by a file descriptor that polls readable
// while the object is signalled, so events and sockets are waited on together.
class Waitable {
public:
    virtual ~Waitable() = default;
    virtual int PollFd() const = 0;
    // Called after a wait found the object signalled: an auto-reset event resets here.
    virtual void Consume() {}
    // Like Consume, but false when another waiter took the signal first (an auto-reset
    // event wakes one waiter only); the wait then goes on.
    virtual bool TryConsume() {
        Consume();
        return true;
    }
};

// Auto-reset by default: a successful wait resets it.
class Event : public Waitable {
public:
    explicit Event(bool manualReset = false, bool initiallySet = false);
    ~Event() override;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    // True when signalled within the time-out.
    bool Wait(std::uint32_t timeoutMs);
    int PollFd() const override;
    void Consume() override;
    bool TryConsume() override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Index of the first object found signalled (consumed), or kWaitTimeout.
int WaitForAny(std::initializer_list<Waitable*> objects, std::uint32_t timeoutMs);

// A recursive mutex that is acquired with a time-out, like the device's mutexes.
class Mutex {
public:
    Mutex();
    ~Mutex();
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    bool Lock(std::uint32_t timeoutMs);
    void Unlock();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

enum class ThreadPriority { Normal, BelowNormal };

// A started worker. The object may be dropped while the worker runs (it is then
// detached), as the device's thread handles are closed without ending the thread.
class Thread {
public:
    static std::unique_ptr<Thread> Start(std::function<void()> body, ThreadPriority priority);
    ~Thread();
    void Join();
    bool Joinable() const;

private:
    Thread() = default;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Milliseconds since an arbitrary start, wrapping at 2^32 like the device's count.
std::uint32_t GetTickCount();
void Sleep(std::uint32_t ms);

}  // namespace rq::platform
