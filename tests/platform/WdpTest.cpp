#include <gtest/gtest.h>
#include <poll.h>

#include <vector>

#include "friends/SendSms.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "platform/Wdp.h"
#include "support/Datagram.h"
#include "support/TempFolder.h"

namespace rq::platform {
namespace {

// Each test binds its own loopback addresses so that tests never share a port.
class WdpTest : public ::testing::Test {
protected:
    void SetUp() override { saved_ = GetWdpSettings(); }
    void TearDown() override {
        for (WapHandle h : open_) WapClose(h);
        SetWdpSettings(saved_);
    }
    void Bind(const char* address) {
        WdpSettings s = GetWdpSettings();
        s.bindAddress = address;
        SetWdpSettings(s);
    }
    WapHandle Open(const char* address, std::uint32_t port, Waitable** event) {
        Bind(address);
        WapHandle h = nullptr;
        if (!WapOpen(kWapLayerWdp, port, &h, event)) return nullptr;
        open_.push_back(h);
        return h;
    }
    static bool Readable(Waitable* w, int timeoutMs) {
        pollfd p{w->PollFd(), POLLIN, 0};
        return poll(&p, 1, timeoutMs) == 1;
    }
    static std::vector<std::uint8_t> ReadOne(WapHandle h, WdpUnitData& p) {
        std::size_t size = 0;
        if (!WapGetNextPrimitiveSize(h, &size)) return {};
        std::vector<std::uint8_t> buffer(size);
        if (!WapRead(h, buffer.data(), buffer.size(), p)) return {};
        return buffer;
    }
    WdpSettings saved_;
    std::vector<WapHandle> open_;
};

TEST_F(WdpTest, AddressFieldHoldsAtMost63Units) {
    WapAddress a;
    EXPECT_TRUE(SetWapAddress(a, kWapAddressGsm, std::u16string(63, u'9')));
    EXPECT_EQ(WapAddressText(a), std::u16string(63, u'9'));
    EXPECT_EQ(a.address[63], 0);
    EXPECT_FALSE(SetWapAddress(a, kWapAddressGsm, std::u16string(64, u'9')));
    EXPECT_EQ(WapAddressText(a), u"");
    // A number of 64 units is refused as a failed send before anything goes out.
    EXPECT_FALSE(rq::SendSms(std::u16string(64, u'1'), nullptr, 0));
}

TEST_F(WdpTest, TwoInstancesExchangeADatagram) {
    Waitable* event = nullptr;
    WapHandle rx = Open("127.0.0.12", 2001, &event);
    ASSERT_TRUE(rx);
    ASSERT_TRUE(event);
    // A second receiver on the same address and port is refused, another address is not.
    WapHandle again = nullptr;
    EXPECT_FALSE(WapOpen(kWapLayerWdp, 2001, &again, nullptr));
    EXPECT_FALSE(WapOpen(0, 2001, &again, nullptr));

    Bind("127.0.0.13");
    const std::vector<std::uint8_t> message = {0xD4, 0xC3, 0xB2, 0xA1, 1, 2, 3, 0, 9};
    ASSERT_TRUE(rq::SendSms(u"127.0.0.12", message.data(), message.size()));
    ASSERT_TRUE(rq::SendSms(u"127.0.0.12", message.data(), message.size()));  // port reused
    EXPECT_FALSE(rq::SendSms(u"no-such-friend", message.data(), message.size()));

    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(Readable(event, 2000));
        WdpUnitData p;
        auto buffer = ReadOne(rx, p);
        ASSERT_FALSE(buffer.empty());
        EXPECT_EQ(p.primitiveId, kWapPrimitiveUnitData);
        EXPECT_EQ(p.primitiveType, kWapPrimitiveIndication);
        EXPECT_EQ(p.validFields, 0x1Fu);
        EXPECT_EQ(WapAddressText(p.source), u"127.0.0.13");
        EXPECT_EQ(p.sourcePort, 2000u);
        EXPECT_EQ(WapAddressText(p.destination), u"127.0.0.12");
        EXPECT_EQ(p.destinationPort, 2001u);
        ASSERT_EQ(p.userDataSize, message.size());
        EXPECT_EQ(std::vector<std::uint8_t>(p.userData, p.userData + p.userDataSize), message);
    }
    EXPECT_FALSE(Readable(event, 0));
    std::size_t size = 0;
    EXPECT_FALSE(WapGetNextPrimitiveSize(rx, &size));
}

TEST_F(WdpTest, ForeignAndOversizedDatagrams) {
    Waitable* event = nullptr;
    WapHandle rx = Open("127.0.0.5", 2001, &event);
    ASSERT_TRUE(rx);
    // Without an envelope the sender is known by its IP; a torn envelope is plain data.
    test::SendDatagram("127.0.0.5", 2001, "hello", 5);
    test::SendDatagram("127.0.0.5", 2001, "WDP\x01\x09x", 6);
    test::SendDatagram("127.0.0.5", 2001, "", 0);
    test::SendDatagram("127.0.0.5", 2001, "0123456789", 10);
    struct {
        std::string data;
        bool hasData;
    } expected[] = {{"hello", true}, {std::string("WDP\x01\x09x", 6), true}, {"", false}};
    for (const auto& e : expected) {
        ASSERT_TRUE(Readable(event, 2000));
        WdpUnitData p;
        std::size_t size = 99;
        ASSERT_TRUE(WapGetNextPrimitiveSize(rx, &size));
        EXPECT_EQ(size, e.data.size());
        std::vector<std::uint8_t> buffer(size);
        ASSERT_TRUE(WapRead(rx, buffer.data(), size, p));
        EXPECT_EQ(WapAddressText(p.source), u"127.0.0.1") << e.data;
        EXPECT_EQ((p.validFields & kWapFieldUserData) != 0, e.hasData) << e.data;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(p.userData), p.userDataSize), e.data);
    }
    // A buffer too small drops the primitive instead of cutting it.
    ASSERT_TRUE(Readable(event, 2000));
    std::uint8_t small[4];
    WdpUnitData p;
    EXPECT_FALSE(WapRead(rx, small, sizeof small, p));
    EXPECT_FALSE(Readable(event, 0));
}

TEST_F(WdpTest, FloodIsBoundedByTheSocketNotByUs) {
    Waitable* event = nullptr;
    WapHandle rx = Open("127.0.0.4", 2001, &event);
    ASSERT_TRUE(rx);
    const long before = test::ResidentKiB();
    // Nobody reads while 10 000 datagrams arrive: the kernel queue fills and drops the rest.
    const std::vector<std::uint8_t> d(118, 0xAB);
    for (int i = 0; i < 10000; ++i) test::SendDatagram("127.0.0.4", 2001, d.data(), d.size());
    int received = 0;
    while (Readable(event, 100)) {
        WdpUnitData p;
        if (ReadOne(rx, p).empty()) break;
        EXPECT_EQ(p.userDataSize, 118u);
        ++received;
    }
    EXPECT_GT(received, 0);
    EXPECT_LE(received, 10000);
    EXPECT_LT(test::ResidentKiB() - before, 8 * 1024);
}

TEST(WdpRegistry, SettingsAndNumbersComeFromTheStore) {
    test::TempFolder dir;
    RegistryStore store(dir / "r.reg");
    WdpSettings empty = WdpSettingsFromRegistry(store);
    EXPECT_EQ(empty.bindAddress, "127.0.0.1");
    EXPECT_EQ(empty.ownNumber, u"");
    EXPECT_FALSE(ResolveNumber(empty, u"+4917012345"));

    store.SetText(kWdpKey, u"Bind Address", u" 127.0.0.7 ");
    store.SetText(kWdpKey, u"Own Number", u"+4917099999");
    store.SetText(kWdpDirectoryKey, u"+4917012345", u"127.0.0.9");
    store.SetText(kWdpDirectoryKey, u"555", u"not an address");
    WdpSettings s = WdpSettingsFromRegistry(store);
    EXPECT_EQ(s.bindAddress, "127.0.0.7");
    EXPECT_EQ(s.ownNumber, u"+4917099999");
    // Entries added later are seen: lookups go to the store.
    store.SetText(kWdpDirectoryKey, u"0170", u"127.0.0.10");
    const std::pair<std::u16string, const char*> cases[] = {
        {u"+4917012345", "127.0.0.9"},
        {u"0170", "127.0.0.10"},
        {u"10.1.2.3", "10.1.2.3"},
        {u"0123", nullptr},
        {u"555", nullptr},
        {u"", nullptr},
        {u"1.2.3.4.5", nullptr},
        {u"127.0.0.256", nullptr},
    };
    for (const auto& [number, expected] : cases) {
        EXPECT_EQ(ResolveNumber(s, number),
                  expected ? std::optional<std::string>(expected) : std::nullopt)
            << ToUtf8(number);
    }
}

}  // namespace
}  // namespace rq::platform
