#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <tuple>

#include "friends/PositionMessage.h"
#include "friends/SendSms.h"
#include "keepers/SmsKeeper.h"
#include "platform/QueueWindow.h"
#include "platform/Text.h"
#include "platform/Wdp.h"
#include "resources/MessageIds.h"
#include "support/Datagram.h"

namespace rq {
namespace {

using namespace platform;

// Receiver and sender share one bind address, so the test never changes the settings
// while the worker opens its port; sends are repeated until the worker listens. Each
// test has an address of its own, since the test runner may run them side by side.
class SmsKeeperTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        address_ = "127.0.11." + std::to_string(1 + std::hash<std::string>{}(name) % 250);
        saved_ = GetWdpSettings();
        WdpSettings s = saved_;
        s.bindAddress = address_;
        s.ownNumber = u"+4917011111";
        SetWdpSettings(s);
    }
    void TearDown() override { SetWdpSettings(saved_); }

    void SendRaw(const std::vector<std::uint8_t>& data) const {
        test::SendDatagram(address_, 2001, data.data(), data.size());
    }

    std::string address_;
    WdpSettings saved_;
};

// Sender, ports, destination and the user data of a received record.
using Seen = std::tuple<std::u16string, std::uint32_t, std::uint32_t, std::u16string,
                        std::vector<std::uint8_t>>;

TEST_F(SmsKeeperTest, ReceivedDatagramsReachTheWindowDuringTheCallUnlessThePortIsBusy) {
    QueueWindow window;
    CSmsKeeper keeper;
    EXPECT_TRUE(keeper.Stop(1000));  // idle
    // A busy port ends the worker at once.
    WapHandle mine = nullptr;
    ASSERT_TRUE(WapOpen(kWapLayerWdp, 2001, &mine, nullptr));
    ASSERT_TRUE(keeper.Start(window.Handle(), ThreadPriority::Normal));
    for (int i = 0; i < 200 && keeper.IsRunning(); ++i) Sleep(10);
    EXPECT_FALSE(keeper.IsRunning());
    EXPECT_TRUE(keeper.Stop(1000));
    WapClose(mine);

    ASSERT_TRUE(keeper.Start(window.Handle(), ThreadPriority::Normal));
    EXPECT_FALSE(keeper.Start(window.Handle(), ThreadPriority::Normal));

    const auto message = MakePositionMessage({48.5, 11.5, 500, 90, 3, 1, 9, 6}, u"Ann", 1000);
    std::vector<Seen> seen;
    auto handler = [&](WindowMessage& m) {
        ASSERT_EQ(m.id, kMsgSmsReceived);
        const auto* r = reinterpret_cast<const ReceivedMessageRecord*>(m.wParam);
        seen.emplace_back(r->SenderAddress(), r->senderPort, r->destinationPort,
                          std::u16string(r->destinationAddress),
                          std::vector<std::uint8_t>(r->userData, r->userData + r->userDataSize));
    };
    for (int tries = 0; seen.empty() && tries < 100; ++tries) {
        ASSERT_TRUE(SendSms(platform::FromUtf8(address_), message.data(), message.size()));
        window.PumpOne(handler, 50);
    }
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0], Seen(u"+4917011111", 2000, 2001, u"+4917011111", message));
    while (window.PumpOne(handler, 100)) {
    }

    // A datagram without user data is dropped by the worker; the next one still arrives.
    seen.clear();
    SendRaw({});
    SendRaw({0xD4});
    ASSERT_TRUE(window.PumpOne(handler, 2000));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(std::get<4>(seen[0]), std::vector<std::uint8_t>{0xD4});
    EXPECT_EQ(std::get<0>(seen[0]), u"127.0.0.1");

    // The stop request ends the endless wait at once.
    EXPECT_TRUE(keeper.Stop(2000));
    EXPECT_FALSE(keeper.IsRunning());
    // Started again it listens again.
    ASSERT_TRUE(keeper.Start(window.Handle(), ThreadPriority::Normal));
    seen.clear();
    for (int tries = 0; seen.empty() && tries < 100; ++tries) {
        SendRaw({1, 2, 3});
        window.PumpOne(handler, 50);
    }
    EXPECT_FALSE(seen.empty());
    // Left running: the destructor ends the worker.
}

// The exit race: the worker waits in its send to the very thread that stops it. The
// stop must end that wait; a delivery given up before it came up is never handled, one
// whose handler already runs is handled in full with its bytes still valid.
TEST_F(SmsKeeperTest, StoppingDuringADeliveryEndsTheWorkerAndKeepsTheBytesValid) {
    QueueWindow window;
    const auto message = MakePositionMessage({48.5, 11.5, 500, 90, 3, 1, 9, 6}, u"Ann", 1000);
    std::vector<std::uint8_t> seen;
    auto copy = [&](WindowMessage& m) {
        const auto* r = reinterpret_cast<const ReceivedMessageRecord*>(m.wParam);
        seen.assign(r->userData, r->userData + r->userDataSize);
    };
    for (const bool handlerRunning : {false, true}) {
        SCOPED_TRACE(handlerRunning ? "handler running" : "send queued");
        CSmsKeeper keeper;
        ASSERT_TRUE(keeper.Start(window.Handle(), ThreadPriority::Normal));
        for (int tries = 0; window.Pending() == 0 && tries < 200; ++tries) {
            SendRaw(message);
            Sleep(10);
        }
        ASSERT_EQ(window.Pending(), 1u);
        Event entered, release;
        std::thread pump;
        if (handlerRunning) {
            pump = std::thread([&] {
                window.PumpOne(
                    [&](WindowMessage& m) {
                        entered.Set();
                        release.Wait(kInfinite);
                        copy(m);
                    },
                    kInfinite);
            });
            ASSERT_TRUE(entered.Wait(5000));
        }
        seen.clear();
        const std::uint32_t before = GetTickCount();
        const bool stopped = keeper.Stop(10000);
        EXPECT_TRUE(stopped);
        EXPECT_LT(GetTickCount() - before, 1000u);
        if (handlerRunning) {
            release.Set();
            pump.join();
            EXPECT_EQ(seen, message);
        } else {
            EXPECT_FALSE(window.PumpOne(copy, 0)) << "a given-up delivery is dropped";
            EXPECT_TRUE(seen.empty());
        }
        if (!stopped) window.PumpOne(copy, 0);  // lets the old worker go
    }
}

// The window is pumped only every 100 datagrams: the worker waits in its send, the
// socket queue fills and the kernel drops what does not fit. Memory stays bounded in the
// transport and the keeper, every datagram handed over is whole, and the keeper still
// answers a stop.
TEST_F(SmsKeeperTest, AFloodIsSurvivedWithBoundedMemory) {
    QueueWindow window;
    CSmsKeeper keeper;
    ASSERT_TRUE(keeper.Start(window.Handle(), ThreadPriority::Normal));
    const auto message = MakePoiMessage(1, 2, 3, u"flood", 0);
    std::size_t handled = 0, whole = 0;
    auto handler = [&](WindowMessage& m) {
        const auto* r = reinterpret_cast<const ReceivedMessageRecord*>(m.wParam);
        whole += std::vector<std::uint8_t>(r->userData, r->userData + r->userDataSize) == message;
        ++handled;
    };
    for (int tries = 0; handled == 0 && tries < 100; ++tries) {
        SendRaw({0});
        window.PumpOne(handler, 50);
    }
    ASSERT_GT(handled, 0u);
    while (window.PumpOne(handler, 50)) {
    }

    const long before = test::ResidentKiB();
    handled = whole = 0;
    for (int i = 0; i < 10000; ++i) {
        SendRaw(message);
        if (i % 100 == 99) window.PumpOne(handler, 0);
    }
    while (window.PumpOne(handler, 200)) {
    }
    EXPECT_GT(handled, 0u);
    EXPECT_LE(handled, 10000u);
    EXPECT_EQ(whole, handled);
    EXPECT_LT(test::ResidentKiB() - before, 8 * 1024);
    EXPECT_TRUE(keeper.Stop(2000));
}

}  // namespace
}  // namespace rq
