#include <gtest/gtest.h>

#include "platform/CountedPayload.h"
#include "platform/Window.h"

using namespace rq::platform;
using rq::testing::CountedMessage;

namespace {

// Handles every message at once on the caller's thread, and may touch the window table
// while it does.
class ImmediateTarget : public MessageTarget {
public:
    void Queue(WindowMessage message) override { Deliver(message); }
    bool Deliver(WindowMessage& message) override {
        ++handled;
        if (message.id == 1) created = RegisterWindow(std::make_shared<ImmediateTarget>());
        if (message.id == 2) UnregisterWindow(static_cast<WindowHandle>(message.wParam));
        return true;
    }
    int handled = 0;
    WindowHandle created = kNoWindow;
};

}  // namespace

TEST(Window, MessagesToADeadWindowAreDroppedAndTheirPayloadFreedAtOnce) {
    std::atomic<int> freed{0};
    EXPECT_FALSE(PostMessage(kNoWindow, CountedMessage(kMsgPosition, freed)));
    EXPECT_EQ(freed.load(), 1);

    auto target = std::make_shared<ImmediateTarget>();
    WindowHandle window = RegisterWindow(target);
    ASSERT_NE(window, kNoWindow);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(PostMessage(window, CountedMessage(kMsgPosition, freed)));
    EXPECT_EQ(target->handled, 1);
    EXPECT_EQ(freed.load(), 2) << "the target dropped it after handling";

    UnregisterWindow(window);
    UnregisterWindow(window);  // twice is harmless
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(PostMessage(window, CountedMessage(kMsgPosition, freed)));
    EXPECT_EQ(freed.load(), 3);
    WindowMessage sent = CountedMessage(kMsgSmsReceived, freed);
    EXPECT_FALSE(SendMessage(window, sent));
    EXPECT_EQ(freed.load(), 3) << "a sent message stays the sender's";
    EXPECT_EQ(target->handled, 1);

    EXPECT_EQ(RegisterWindow(nullptr), kNoWindow);
}

TEST(Window, HandlersMayRegisterAndUnregisterWindows) {
    auto target = std::make_shared<ImmediateTarget>();
    WindowHandle window = RegisterWindow(target);
    WindowMessage create;
    create.id = 1;
    ASSERT_TRUE(SendMessage(window, create));
    ASSERT_TRUE(IsWindow(target->created));
    EXPECT_NE(target->created, window);

    WindowMessage destroy;
    destroy.id = 2;
    destroy.wParam = target->created;
    ASSERT_TRUE(SendMessage(window, destroy));
    EXPECT_FALSE(IsWindow(target->created));

    destroy.wParam = window;  // a window unregistering itself while it handles a message
    ASSERT_TRUE(SendMessage(window, destroy));
    EXPECT_FALSE(IsWindow(window));
}
