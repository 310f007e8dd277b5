// A keeper: a background data source with one worker thread, started and stopped
// with a fixed handshake (stop event, finished event, running mutex), and a list of
// windows it informs by posting or sending messages. Keepers never touch the user
// interface themselves.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/Kernel.h"
#include "platform/Window.h"

namespace rq {

class CKeeper {
public:
    using WorkerFunction = void (*)(CKeeper& keeper);

    CKeeper();
    // Stops a worker that still runs and waits for it to end.
    virtual ~CKeeper();
    CKeeper(const CKeeper&) = delete;
    CKeeper& operator=(const CKeeper&) = delete;

    // False when a worker is recorded or there is no worker function.
    virtual bool Start(platform::WindowHandle window, platform::ThreadPriority priority);
    // True at once when idle; false when the worker did not finish within the
    // time-out (it stays recorded and running).
    virtual bool Stop(std::uint32_t timeoutMs);
    virtual void AttachWindow(platform::WindowHandle window);
    virtual void DetachWindow(platform::WindowHandle window);
    bool IsRunning();

protected:
    // For the worker functions.
    bool AcquireRunning() { return running_.Lock(0); }
    // The flag spares the event's system call on every check of a busy worker.
    bool StopRequested() { return stopAsked_.load() && stopEvent_.Wait(0); }
    // True when a stop request ended the wait.
    bool WaitForStop(std::uint32_t timeoutMs) { return stopEvent_.Wait(timeoutMs); }
    // Ending steps: the worker is no longer recorded (a later Start may begin a new
    // one), then the finished event, then the running mutex last.
    void MarkEnded() { workerRecorded_ = false; }
    void SignalFinished(bool ownsRunning);
    const std::vector<platform::WindowHandle>& Windows() const { return windows_; }
    // Subclass destructors call this first: the worker uses their members.
    void StopAndJoin();
    // A worker about to delete its own keeper: waits until Start has recorded the
    // thread (the object must outlive that), and the destructor will not join itself.
    void DetachFromWorker();

    WorkerFunction workerFunction_ = nullptr;

private:
    platform::Event stopEvent_;
    std::atomic<bool> stopAsked_{false};  // set before stopEvent_ is
    platform::Event finishedEvent_;
    // Owned by the owner thread; the worker only clears workerRecorded_.
    std::unique_ptr<platform::Thread> thread_;
    std::atomic<bool> workerRecorded_{false};
    std::vector<platform::WindowHandle> windows_;
    platform::Mutex running_;
    bool selfDeleting_ = false;
    std::mutex startMutex_;  // held while Start records the thread
};

}  // namespace rq
