#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "platform/Kernel.h"

using namespace rq::platform;

namespace {

// A file descriptor that polls readable once written to, like a socket with a datagram.
class PipeWaitable : public Waitable {
public:
    PipeWaitable() { EXPECT_EQ(::pipe(fds_), 0); }
    ~PipeWaitable() override {
        ::close(fds_[0]);
        ::close(fds_[1]);
    }
    void Fill() { EXPECT_EQ(::write(fds_[1], "x", 1), 1); }
    int PollFd() const override { return fds_[0]; }

private:
    int fds_[2];
};

int OwnNice() {
    return ::getpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)));
}

}  // namespace

TEST(Kernel, AutoResetEventWakesOneWaitAndSetIsIdempotent) {
    Event event;
    EXPECT_FALSE(event.Wait(0));
    event.Set();
    event.Set();
    EXPECT_TRUE(event.Wait(0));
    EXPECT_FALSE(event.Wait(0)) << "two Sets make one signal";

    Event initially(false, true);
    EXPECT_TRUE(initially.Wait(0));
    EXPECT_FALSE(initially.Wait(0));

    Event manual(true, false);
    manual.Set();
    EXPECT_TRUE(manual.Wait(0));
    EXPECT_TRUE(manual.Wait(0)) << "a manual-reset event stays set";
    manual.Reset();
    EXPECT_FALSE(manual.Wait(0));
    manual.Reset();  // resetting a reset event is harmless
    EXPECT_FALSE(manual.Wait(0));

    // Two threads wait on one auto-reset event: one Set releases exactly one of them.
    Event shared;
    std::atomic<int> woken{0};
    auto waiter = [&] { woken += shared.Wait(300) ? 1 : 0; };
    std::thread a(waiter), b(waiter);
    Sleep(50);
    shared.Set();
    a.join();
    b.join();
    EXPECT_EQ(woken.load(), 1);
}

TEST(Kernel, WaitsTimeOutAndWakeOnSetFromAnotherThread) {
    Event event;
    std::uint32_t start = GetTickCount();
    EXPECT_FALSE(event.Wait(60));
    EXPECT_GE(static_cast<std::uint32_t>(GetTickCount() - start), 59u);

    std::thread setter([&] {
        Sleep(30);
        event.Set();
    });
    EXPECT_TRUE(event.Wait(kInfinite));
    setter.join();

    start = GetTickCount();
    Sleep(25);
    EXPECT_GE(static_cast<std::uint32_t>(GetTickCount() - start), 25u);
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
    EXPECT_EQ(WaitForAny({&a, &b, &socket}, 0), 2);
    EXPECT_EQ(WaitForAny({&a, &b, &socket}, 0), 2) << "a readable socket stays readable";
    b.Set();
    EXPECT_EQ(WaitForAny({&b, &socket}, 0), 0);
    EXPECT_EQ(WaitForAny({nullptr, &socket}, 0), 1);
}

TEST(Kernel, MutexIsRecursiveAndTimesOutForOtherThreads) {
    Mutex mutex;
    ASSERT_TRUE(mutex.Lock(0));
    ASSERT_TRUE(mutex.Lock(kInfinite)) << "the owner locks again";
    bool other = true;
    std::thread([&] {
        other = mutex.Lock(50);
        mutex.Unlock();  // not the owner: refused, the lock stays held
    }).join();
    EXPECT_FALSE(other);
    mutex.Unlock();
    std::thread([&] { other = mutex.Lock(30); }).join();
    EXPECT_FALSE(other) << "still held once";
    mutex.Unlock();

    std::atomic<bool> locked{false};
    std::thread holder([&] {
        ASSERT_TRUE(mutex.Lock(kInfinite));
        locked = true;
        Sleep(60);
        mutex.Unlock();
    });
    while (!locked) Sleep(1);
    EXPECT_TRUE(mutex.Lock(2000)) << "acquired once the holder lets go";
    holder.join();
    mutex.Unlock();
}

TEST(Kernel, ThreadsRunJoinAndDetachWithTheirPriority) {
    std::atomic<int> nice{-100};
    auto worker = Thread::Start([&] { nice = OwnNice(); }, ThreadPriority::BelowNormal);
    ASSERT_NE(worker, nullptr);
    EXPECT_TRUE(worker->Joinable());
    worker->Join();
    EXPECT_FALSE(worker->Joinable());
    worker->Join();  // a second Join does nothing
    const int mine = OwnNice();
    EXPECT_EQ(nice.load(), mine >= 19 ? 19 : mine + 1);

    auto normal = Thread::Start([&] { nice = OwnNice(); }, ThreadPriority::Normal);
    normal->Join();
    EXPECT_EQ(nice.load(), mine);

    // Dropping the object leaves the worker running to its end.
    Event started, release, finished;
    auto detached = Thread::Start(
        [&] {
            started.Set();
            release.Wait(kInfinite);
            finished.Set();
        },
        ThreadPriority::Normal);
    ASSERT_TRUE(started.Wait(2000));
    detached.reset();
    release.Set();
    EXPECT_TRUE(finished.Wait(2000));
    Sleep(10);  // let the worker leave `finished` before it goes out of scope

    EXPECT_EQ(Thread::Start(nullptr, ThreadPriority::Normal), nullptr);
}
