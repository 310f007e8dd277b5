#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/CountedPayload.h"
#include "platform/Kernel.h"
#include "platform/QueueWindow.h"
#include "resources/MessageIds.h"

using namespace rq::platform;
using rq::kMsgPosition;
using rq::kMsgSmsReceived;
using rq::testing::CountedMessage;

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
    EXPECT_FALSE(PostMessage(handle, CountedMessage(kMsgPosition, freed)));
    EXPECT_EQ(freed.load(), 5);
}
