#include <gtest/gtest.h>

#include <atomic>
#include <tuple>

#include "keepers/GpsKeeper.h"
#include "keepers/Keeper.h"
#include "platform/QueueWindow.h"
#include "resources/MessageIds.h"

namespace rq {
namespace {

using platform::ThreadPriority;

// A keeper whose worker follows the shared skeleton; it ends by itself when told to,
// and can be made to ignore stop requests for a while.
class TestKeeper : public CGpsKeeper {
public:
    TestKeeper() { workerFunction_ = &Work; }
    ~TestKeeper() override {
        release = true;
        StopAndJoin();
    }
    std::atomic<bool> endByItself{false}, ignoreStop{false}, release{false};
    // Copies of the fix alive, to see who frees them; shared, as a copy may outlive us.
    std::shared_ptr<std::atomic<int>> live = std::make_shared<std::atomic<int>>(0);

private:
    struct Counted : CPositionMessage {
        Counted(const CGpsPosition& p, std::shared_ptr<std::atomic<int>> live)
            : CPositionMessage(p), live_(std::move(live)) {
            ++*live_;
        }
        ~Counted() override { --*live_; }
        std::shared_ptr<std::atomic<int>> live_;
    };
    std::unique_ptr<platform::MessagePayload> MakePositionPayload() const override {
        return std::make_unique<Counted>(Position(), live);
    }

    static void Work(CKeeper& base) {
        auto& k = static_cast<TestKeeper&>(base);
        bool owns = k.AcquireRunning();
        if (owns) {
            for (;;) {
                if (k.ignoreStop) {
                    while (!k.release) platform::Sleep(1);
                }
                if (k.StopRequested() || k.endByItself) break;
                k.PostPosition();
                if (k.WaitForStop(5)) break;
            }
        }
        k.MarkEnded();
        k.PostSourceEnded();
        k.SignalFinished(owns);
    }
};

TEST(KeeperTest, StartStopHandshakeAndDestructionWhileRunning) {
    TestKeeper keeper;
    EXPECT_FALSE(keeper.IsRunning());
    EXPECT_TRUE(keeper.Stop(0));  // idle: at once

    ASSERT_TRUE(keeper.Start(platform::kNoWindow, ThreadPriority::Normal));
    EXPECT_TRUE(keeper.IsRunning());
    EXPECT_FALSE(keeper.Start(platform::kNoWindow, ThreadPriority::Normal));
    EXPECT_TRUE(keeper.Stop(5000));
    EXPECT_FALSE(keeper.IsRunning());
    EXPECT_TRUE(keeper.Stop(5000));

    // Ends by itself, then starts again.
    keeper.endByItself = true;
    ASSERT_TRUE(keeper.Start(platform::kNoWindow, ThreadPriority::BelowNormal));
    while (keeper.IsRunning()) platform::Sleep(1);
    EXPECT_TRUE(keeper.Stop(0));
    keeper.endByItself = false;
    ASSERT_TRUE(keeper.Start(platform::kNoWindow, ThreadPriority::Normal));
    EXPECT_TRUE(keeper.Stop(5000));

    // A worker that does not answer in time stays running and recorded.
    keeper.ignoreStop = true;
    ASSERT_TRUE(keeper.Start(platform::kNoWindow, ThreadPriority::Normal));
    platform::Sleep(10);
    EXPECT_FALSE(keeper.Stop(20));
    EXPECT_TRUE(keeper.IsRunning());
    EXPECT_FALSE(keeper.Start(platform::kNoWindow, ThreadPriority::Normal));
    keeper.release = true;
    EXPECT_TRUE(keeper.Stop(5000));
    EXPECT_FALSE(keeper.IsRunning());

    // No worker function: never starts.
    CKeeper bare;
    EXPECT_FALSE(bare.Start(platform::kNoWindow, ThreadPriority::Normal));
    EXPECT_TRUE(bare.Stop(0));

    // Destroyed while running, at once or a little later.
    platform::QueueWindow window;
    for (int i = 0; i < 20; ++i) {
        auto running = std::make_unique<TestKeeper>();
        running->AttachWindow(window.Handle());
        ASSERT_TRUE(running->Start(platform::kNoWindow, ThreadPriority::Normal));
        if (i % 2) platform::Sleep(2);
    }
    while (window.PumpOne([](platform::WindowMessage&) {}, 0)) {
    }
}

TEST(KeeperTest, WindowsEachGetTheirOwnCopyAndFreeIt) {
    platform::QueueWindow a, b;
    TestKeeper keeper;
    keeper.AttachWindow(a.Handle());
    keeper.AttachWindow(a.Handle());  // no duplicates
    keeper.AttachWindow(b.Handle());
    keeper.AttachWindow(platform::kNoWindow);
    keeper.AttachWindow(9999999);  // not a live window

    keeper.Position().altitude = 12.5;
    keeper.Position().changedMask = kChangedAltitude;
    keeper.PostPosition();
    EXPECT_EQ(keeper.Position().changedMask, 0u);
    keeper.PostConnectionLost();
    keeper.PostSourceEnded();

    std::vector<const CGpsPosition*> copies;
    for (platform::QueueWindow* window : {&a, &b}) {
        std::vector<std::uintptr_t> codes;
        EXPECT_EQ(window->Pending(), 3u);
        auto take = [&](platform::WindowMessage& m) {
            codes.push_back(m.id == kMsgPosition ? m.wParam : 0);
            const CGpsPosition* fix = PositionOf(m);
            EXPECT_EQ(m.payload != nullptr, fix != nullptr);
            if (!fix) return;
            EXPECT_EQ(std::tuple(fix->altitude, fix->changedMask, m.lParam),
                      std::tuple(12.5, kChangedAltitude, reinterpret_cast<std::intptr_t>(fix)));
            copies.push_back(fix);
            // The receiver owns the copy and frees it after use.
            std::unique_ptr<platform::MessagePayload> owned = std::move(m.payload);
        };
        while (window->PumpOne(take, 0)) {
        }
        EXPECT_EQ(codes, (std::vector<std::uintptr_t>{1, 2, 3}));
    }
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_NE(copies[0], copies[1]);

    EXPECT_EQ(keeper.live->load(), 0) << "each freed after use";
    keeper.DetachWindow(a.Handle());
    keeper.PostSourceEnded();
    EXPECT_EQ(a.Pending(), 0u);
    EXPECT_EQ(b.Pending(), 1u);

    // A copy for a window that dies unread is freed with it; a dead window gets none.
    keeper.DetachWindow(b.Handle());
    {
        platform::QueueWindow dying;
        keeper.AttachWindow(dying.Handle());
        keeper.PostPosition();
        keeper.PostPosition();
        EXPECT_EQ(keeper.live->load(), 2);
    }
    EXPECT_EQ(keeper.live->load(), 0);
    keeper.PostPosition();
    EXPECT_EQ(keeper.live->load(), 0);
}

}  // namespace
}  // namespace rq
