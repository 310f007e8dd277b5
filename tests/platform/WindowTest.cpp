#include <gtest/gtest.h>

#include "platform/CountedPayload.h"
#include "platform/Delivery.h"
#include "platform/Window.h"
#include "resources/MessageIds.h"

using namespace rq::platform;
using rq::kMsgPosition;
using rq::kMsgSmsReceived;
using rq::testing::CountedMessage;

namespace {

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
