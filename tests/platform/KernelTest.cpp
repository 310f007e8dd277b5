#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "platform/Kernel.h"

using namespace rq::platform;

namespace {

// Polls readable once written to, like a socket holding a datagram.
class PipeWaitable : public Waitable {
public:
    PipeWaitable() { EXPECT_EQ(::pipe(fds_), 0); }
    ~PipeWaitable() override { ::close(fds_[0]), ::close(fds_[1]); }
    void Fill() { EXPECT_EQ(::write(fds_[1], "x", 1), 1); }
    int PollFd() const override { return fds_[0]; }

private:
    int fds_[2];
};

int OwnNice() {
    return ::getpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)));
}

}  // namespace

TEST(Kernel, EventsResetAsToldAndWakeOneWaiter) {
    Event event, initially(false, true), manual(true, false);
    EXPECT_FALSE(event.Wait(0));
    event.Set();
    event.Set();
    EXPECT_TRUE(event.Wait(0));
    EXPECT_FALSE(event.Wait(0)) << "two Sets make one signal";
    EXPECT_TRUE(initially.Wait(0));
    EXPECT_FALSE(initially.Wait(0));
    manual.Set();
    EXPECT_TRUE(manual.Wait(0) && manual.Wait(0)) << "a manual-reset event stays set";
    manual.Reset();
    EXPECT_FALSE(manual.Wait(0));

    std::atomic<int> woken{0};
    auto waiter = [&] { woken += event.Wait(300) ? 1 : 0; };
    std::thread a(waiter), b(waiter);
    Sleep(50);
    event.Set();
    a.join();
    b.join();
    EXPECT_EQ(woken.load(), 1);

    std::uint32_t start = GetTickCount();
    EXPECT_FALSE(event.Wait(60));
    EXPECT_GE(static_cast<std::uint32_t>(GetTickCount() - start), 59u);
    std::thread setter([&] { Sleep(30), event.Set(); });
    EXPECT_TRUE(event.Wait(kInfinite));
    setter.join();
}

TEST(Kernel, WaitForAnyReportsTheFirstSignalledObjectInListOrder) {
    Event a, b;
    PipeWaitable socket;
    EXPECT_EQ(WaitForAny({&a, &b, &socket}, 20), kWaitTimeout);
    b.Set();
    a.Set();
    EXPECT_EQ(WaitForAny({&a, &b, &socket}, 0), 0);
    EXPECT_EQ(WaitForAny({&a, &b, &socket}, 0), 1) << "b was left set";
    EXPECT_EQ(WaitForAny({&a, &b, &socket}, 0), kWaitTimeout);
    socket.Fill();
    EXPECT_EQ(WaitForAny({&a, nullptr, &socket}, 0), 2);
    EXPECT_EQ(WaitForAny({&a, &b, &socket}, 0), 2) << "a readable socket stays readable";
}

TEST(Kernel, RecursiveMutexAndThreadsWithTheirPriority) {
    Mutex mutex;
    ASSERT_TRUE(mutex.Lock(0) && mutex.Lock(kInfinite)) << "the owner locks again";
    bool other = true;
    std::thread([&] {
        other = mutex.Lock(50);
        mutex.Unlock();  // not the owner: refused
    }).join();
    EXPECT_FALSE(other);
    mutex.Unlock();
    std::thread([&] { other = mutex.Lock(30); }).join();
    EXPECT_FALSE(other) << "still held once";
    mutex.Unlock();
    std::thread([&] {
        other = mutex.Lock(0);
        mutex.Unlock();
    }).join();
    EXPECT_TRUE(other);

    std::atomic<int> nice{-100};
    auto worker = Thread::Start([&] { nice = OwnNice(); }, ThreadPriority::BelowNormal);
    ASSERT_TRUE(worker && worker->Joinable());
    worker->Join();
    worker->Join();
    EXPECT_FALSE(worker->Joinable());
    EXPECT_EQ(nice.load(), std::min(OwnNice() + 1, 19));
    Thread::Start([&] { nice = OwnNice(); }, ThreadPriority::Normal)->Join();
    EXPECT_EQ(nice.load(), OwnNice());

    // Dropping the object leaves the worker running to its end.
    static Event release, finished;
    Thread::Start([] { release.Wait(kInfinite), finished.Set(); }, ThreadPriority::Normal).reset();
    release.Set();
    EXPECT_TRUE(finished.Wait(2000));
    EXPECT_EQ(Thread::Start(nullptr, ThreadPriority::Normal), nullptr);
}
