#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/Delivery.h"
#include "platform/Kernel.h"
#include "platform/QueueWindow.h"
#include "platform/Window.h"
#include "resources/MessageIds.h"

using namespace rq::platform;
using rq::kMsgPosition;
using rq::kMsgSmsReceived;

namespace {

// A message whose payload counts its destruction, to show who frees what.
struct CountedPayload : MessagePayload {
    explicit CountedPayload(std::atomic<int>& freed) : freed_(freed) {}
    ~CountedPayload() override { ++freed_; }
    std::atomic<int>& freed_;
};

WindowMessage CountedMessage(std::uint32_t id, std::atomic<int>& freed, std::uintptr_t wParam = 0) {
    return WindowMessage{id, wParam, 0, std::make_unique<CountedPayload>(freed)};
}

// Handles each message on the caller's thread and touches the window table meanwhile.
class ImmediateTarget : public MessageTarget {
public:
    void Queue(WindowMessage message) override { Handle(message); }
    bool Deliver(std::shared_ptr<Delivery> delivery) override {
        return delivery->Run([this](WindowMessage& m) { Handle(m); });
    }
    void Handle(WindowMessage& message) {
        if (message.id == 1) created = RegisterWindow(std::make_shared<ImmediateTarget>());
        if (message.id == 2) UnregisterWindow(static_cast<WindowHandle>(message.wParam));
    }
    WindowHandle created = kNoWindow;
};

}  // namespace

TEST(Window, DeadWindowsDropMessagesAndFreeTheirPayloadAtOnce) {
    std::atomic<int> freed{0};
    EXPECT_FALSE(PostMessage(kNoWindow, CountedMessage(kMsgPosition, freed)));
    EXPECT_EQ(freed.load(), 1);
    auto target = std::make_shared<ImmediateTarget>();
    WindowHandle window = RegisterWindow(target);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(PostMessage(window, CountedMessage(kMsgPosition, freed)));
    EXPECT_EQ(freed.load(), 2);
    UnregisterWindow(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(PostMessage(window, CountedMessage(kMsgPosition, freed)));
    EXPECT_EQ(freed.load(), 3);
    WindowMessage sent = CountedMessage(kMsgSmsReceived, freed);
    EXPECT_FALSE(SendMessage(window, sent));
    EXPECT_EQ(freed.load(), 3) << "a sent message stays the sender's";
    EXPECT_EQ(RegisterWindow(nullptr), kNoWindow);
}

TEST(Window, HandlersMayRegisterAndUnregisterWindows) {
    auto target = std::make_shared<ImmediateTarget>();
    WindowHandle window = RegisterWindow(target);
    WindowMessage create{1, 0, 0, nullptr};
    ASSERT_TRUE(SendMessage(window, create));
    EXPECT_TRUE(IsWindow(target->created) && target->created != window);
    WindowMessage destroy{2, target->created, 0, nullptr};
    ASSERT_TRUE(SendMessage(window, destroy));
    EXPECT_FALSE(IsWindow(target->created));
    destroy.wParam = window;  // a window unregistering itself while handling
    ASSERT_TRUE(SendMessage(window, destroy));
    EXPECT_FALSE(IsWindow(window));
}

TEST(QueueWindow, PostedMessagesArriveInOrderAndAreFreedAfterHandling) {
    std::atomic<int> freed{0};
    QueueWindow window;
    EXPECT_FALSE(window.PumpOne([](WindowMessage&) { FAIL(); }, 10)) << "nothing queued";
    for (int tag = 1; tag <= 3; ++tag) PostMessage(window.Handle(), CountedMessage(9, freed, tag));
    EXPECT_EQ(window.Pending(), 3u);
    std::vector<std::uintptr_t> tags;
    std::unique_ptr<MessagePayload> kept;
    auto handler = [&](WindowMessage& m) {
        tags.push_back(m.wParam);
        if (m.wParam == 2) kept = std::move(m.payload);  // the receiver takes it over
    };
    while (window.PumpOne(handler, 0)) {
    }
    EXPECT_EQ(tags, (std::vector<std::uintptr_t>{1, 2, 3}));
    EXPECT_EQ(freed.load(), 2);
}

TEST(QueueWindow, SendReturnsAfterTheHandlerRan) {
    QueueWindow window;
    std::atomic<bool> handled{false};
    bool result = false, handledFirst = false;
    std::thread sender([&] {
        WindowMessage m{kMsgSmsReceived, 0, 7, nullptr};
        result = SendMessage(window.Handle(), m);
        handledFirst = handled && m.lParam == 8;
    });
    ASSERT_TRUE(
        window.PumpOne([&](WindowMessage& m) { Sleep(30), ++m.lParam, handled = true; }, 5000));
    sender.join();
    EXPECT_TRUE(result && handledFirst);

    // A handler sending to its own window runs that message at once.
    std::vector<std::uint32_t> seen;
    PostMessage(window.Handle(), WindowMessage{kMsgCommand, 0, 0, nullptr});
    window.PumpOne(
        [&](WindowMessage& m) {
            seen.push_back(m.id);
            WindowMessage inner{kMsgPosition, 0, 0, nullptr};
            if (m.id == kMsgCommand) SendMessage(window.Handle(), inner);
        },
        0);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{kMsgCommand, kMsgPosition}));
}

TEST(QueueWindow, DestructionFreesQueuedPayloadsAndReleasesSenders) {
    std::atomic<int> freed{0};
    bool result = true;
    std::thread sender;
    WindowHandle handle;
    {
        QueueWindow window;
        handle = window.Handle();
        for (int i = 0; i < 3; ++i) PostMessage(handle, CountedMessage(kMsgPosition, freed));
        sender = std::thread([&] {
            WindowMessage m = CountedMessage(kMsgSmsReceived, freed);
            result = SendMessage(handle, m);
            EXPECT_NE(m.payload, nullptr) << "a sent message stays the sender's";
        });
        while (window.Pending() < 4) Sleep(1);
        EXPECT_EQ(freed.load(), 0);
    }
    sender.join();
    EXPECT_FALSE(result);
    EXPECT_EQ(freed.load(), 4);
}
