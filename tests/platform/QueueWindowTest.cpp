#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/CountedPayload.h"
#include "platform/Kernel.h"
#include "platform/QueueWindow.h"

using namespace rq::platform;
using rq::testing::CountedMessage;
using rq::testing::CountedPayload;

TEST(QueueWindow, PostedMessagesArriveInOrderAndTheirPayloadIsFreedAfterHandling) {
    std::atomic<int> freed{0};
    QueueWindow window;
    EXPECT_FALSE(window.PumpOne([](WindowMessage&) { FAIL(); }, 10)) << "nothing queued";
    for (int tag = 1; tag <= 3; ++tag) {
        ASSERT_TRUE(PostMessage(window.Handle(), CountedMessage(kMsgPosition, freed, tag)));
    }
    EXPECT_EQ(window.Pending(), 3u);
    std::vector<int> tags;
    std::unique_ptr<MessagePayload> kept;
    auto handler = [&](WindowMessage& m) {
        EXPECT_EQ(m.id, kMsgPosition);
        tags.push_back(static_cast<CountedPayload*>(m.payload.get())->Tag());
        if (m.wParam == 2) kept = std::move(m.payload);  // the receiver takes it over
    };
    while (window.PumpOne(handler, 0)) {
    }
    EXPECT_EQ(tags, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(freed.load(), 2);
    kept.reset();
    EXPECT_EQ(freed.load(), 3);
}

TEST(QueueWindow, SendFromAnotherThreadReturnsAfterTheHandlerRan) {
    QueueWindow window;
    std::atomic<bool> handlerDone{false};
    bool sendResult = false;
    bool doneWhenReturned = false;
    std::thread sender([&] {
        WindowMessage m;
        m.id = kMsgSmsReceived;
        m.lParam = 7;
        sendResult = SendMessage(window.Handle(), m);
        doneWhenReturned = handlerDone;
        EXPECT_EQ(m.lParam, 8) << "the handler worked on the sender's message";
    });
    ASSERT_TRUE(window.PumpOne(
        [&](WindowMessage& m) {
            Sleep(30);  // the sender must still be waiting
            ++m.lParam;
            handlerDone = true;
        },
        5000));
    sender.join();
    EXPECT_TRUE(sendResult);
    EXPECT_TRUE(doneWhenReturned);

    // A handler sending to its own window runs that message at once.
    std::vector<std::uint32_t> seen;
    PostMessage(window.Handle(), WindowMessage{kMsgCommand, 0, 0, nullptr});
    ASSERT_TRUE(window.PumpOne(
        [&](WindowMessage& m) {
            seen.push_back(m.id);
            if (m.id == kMsgCommand) {
                WindowMessage inner{kMsgPosition, 0, 0, nullptr};
                EXPECT_TRUE(SendMessage(window.Handle(), inner));
            }
        },
        0));
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{kMsgCommand, kMsgPosition}));
}

TEST(QueueWindow, DestructionFreesQueuedPayloadsAndReleasesSenders) {
    std::atomic<int> freed{0};
    bool sendResult = true;
    std::thread sender;
    WindowHandle handle;
    {
        QueueWindow window;
        handle = window.Handle();
        for (int i = 0; i < 3; ++i) PostMessage(handle, CountedMessage(kMsgPosition, freed, i));
        sender = std::thread([&] {
            WindowMessage m = CountedMessage(kMsgSmsReceived, freed, 9);
            sendResult = SendMessage(handle, m);
            EXPECT_NE(m.payload, nullptr) << "the sent message is still the sender's";
        });
        while (window.Pending() < 4) Sleep(1);
        EXPECT_EQ(freed.load(), 0);
    }
    sender.join();
    EXPECT_FALSE(sendResult);
    EXPECT_EQ(freed.load(), 4);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_FALSE(PostMessage(handle, CountedMessage(kMsgPosition, freed)));
    EXPECT_EQ(freed.load(), 5);
}
