#include "keepers/Keeper.h"

#include <algorithm>

namespace rq {

CKeeper::CKeeper() {
    windows_.reserve(10);
}

CKeeper::~CKeeper() {
    StopAndJoin();
}

void CKeeper::StopAndJoin() {
    if (!thread_) return;
    if (selfDeleting_) {
        thread_.reset();  // detaches: this is the worker itself
        return;
    }
    stopAsked_ = true;
    stopEvent_.Set();
    // Bounded because every wait of a worker, the SMS worker's send to its windows
    // included, also ends at a stop request. Not joining would free what it still uses.
    thread_->Join();
    thread_.reset();
    workerRecorded_ = false;
}

bool CKeeper::Start(platform::WindowHandle window, platform::ThreadPriority priority) {
    if (workerRecorded_.load() || workerFunction_ == nullptr) return false;
    // A worker that ended by itself has only its last steps left: collect it.
    if (thread_) {
        thread_->Join();
        thread_.reset();
    }
    AttachWindow(window);
    stopAsked_ = false;
    stopEvent_.Reset();
    finishedEvent_.Reset();
    workerRecorded_ = true;
    WorkerFunction work = workerFunction_;
    std::lock_guard<std::mutex> recording(startMutex_);
    thread_ = platform::Thread::Start([this, work] { work(*this); }, priority);
    if (!thread_) {
        workerRecorded_ = false;
        return false;
    }
    return true;
}

bool CKeeper::Stop(std::uint32_t timeoutMs) {
    if (!thread_) return true;
    if (!workerRecorded_.load()) {
        thread_->Join();
        thread_.reset();
        return true;
    }
    // The finished event is not reset here: a worker that ends between the test above
    // and this point has already set it, and the wait must see that.
    stopAsked_ = true;
    stopEvent_.Set();
    if (!finishedEvent_.Wait(timeoutMs)) return false;
    thread_->Join();
    thread_.reset();
    return true;
}

void CKeeper::AttachWindow(platform::WindowHandle window) {
    if (window == platform::kNoWindow || !platform::IsWindow(window)) return;
    if (std::find(windows_.begin(), windows_.end(), window) == windows_.end())
        windows_.push_back(window);
}

void CKeeper::DetachWindow(platform::WindowHandle window) {
    std::erase(windows_, window);
}

bool CKeeper::IsRunning() {
    // A started worker counts from Start on, before it has taken the mutex.
    if (workerRecorded_.load()) return true;
    if (!running_.Lock(0)) return true;
    running_.Unlock();
    return false;
}

void CKeeper::DetachFromWorker() {
    std::lock_guard<std::mutex> started(startMutex_);
    selfDeleting_ = true;
}

void CKeeper::SignalFinished(bool ownsRunning) {
    finishedEvent_.Set();
    if (ownsRunning) running_.Unlock();
}

}  // namespace rq
