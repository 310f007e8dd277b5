#include <gtest/gtest.h>
#include <poll.h>

#include <tuple>
#include <vector>

#include "friends/SendSms.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "platform/Wdp.h"
#include "support/CaseTable.h"
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

// Datagrams from another instance carry an envelope with its address; without one the
// sender is known by its IP, and a torn envelope is plain data.
TEST_F(WdpTest, DatagramsFromAnotherInstanceAndFromForeignSenders) {
    Waitable* event = nullptr;
    WapHandle rx = Open("127.0.0.12", 2001, &event);
    ASSERT_TRUE(rx && event);
    // A second receiver on the same address and port is refused, and so is another layer.
    WapHandle again = nullptr;
    EXPECT_FALSE(WapOpen(kWapLayerWdp, 2001, &again, nullptr));
    EXPECT_FALSE(WapOpen(0, 2001, &again, nullptr));

    Bind("127.0.0.13");
    const std::string message("\xD4\xC3\xB2\xA1\x01\x02\x03\x00\x09", 9);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(message.data());
    ASSERT_TRUE(rq::SendSms(u"127.0.0.12", bytes, message.size()));
    ASSERT_TRUE(rq::SendSms(u"127.0.0.12", bytes, message.size()));  // port reused
    EXPECT_FALSE(rq::SendSms(u"no-such-friend", bytes, message.size()));
    const std::string torn("WDP\x01\x09x", 6);
    for (const std::string& foreign : {std::string("hello"), torn, std::string(), message + "!"})
        test::SendDatagram("127.0.0.12", 2001, foreign.data(), foreign.size());
    const std::pair<std::string, std::u16string> expected[] = {{message, u"127.0.0.13"},
                                                               {message, u"127.0.0.13"},
                                                               {"hello", u"127.0.0.1"},
                                                               {torn, u"127.0.0.1"},
                                                               {"", u"127.0.0.1"}};
    for (const auto& [data, source] : expected) {
        ASSERT_TRUE(Readable(event, 2000));
        WdpUnitData p;
        std::size_t size = 99;
        ASSERT_TRUE(WapGetNextPrimitiveSize(rx, &size));
        std::vector<std::uint8_t> buffer(size);
        ASSERT_TRUE(WapRead(rx, buffer.data(), size, p));
        EXPECT_EQ(std::tuple(p.primitiveId, p.primitiveType, WapAddressText(p.source),
                             p.destinationPort, (p.validFields & kWapFieldUserData) != 0),
                  std::tuple(kWapPrimitiveUnitData, kWapPrimitiveIndication, source, 2001u,
                             !data.empty()));
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(p.userData), p.userDataSize), data);
        if (data == message) {
            EXPECT_EQ(std::tuple(p.validFields, p.sourcePort, WapAddressText(p.destination)),
                      std::tuple(0x1Fu, 2000u, std::u16string(u"127.0.0.12")));
        } else {
            EXPECT_EQ(size, data.size()) << "a foreign datagram is all user data";
        }
    }
    // A buffer too small drops the primitive instead of cutting it.
    ASSERT_TRUE(Readable(event, 2000));
    std::uint8_t small[4];
    WdpUnitData p;
    EXPECT_FALSE(WapRead(rx, small, sizeof small, p));
    EXPECT_FALSE(Readable(event, 0));
    std::size_t size = 0;
    EXPECT_FALSE(WapGetNextPrimitiveSize(rx, &size));
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
    for (const auto& row : test::CaseTable("cases/wdp-numbers.txt"))
        EXPECT_EQ(ResolveNumber(s, FromUtf8(row[0])),
                  row[1].empty() ? std::nullopt : std::optional(row[1]))
            << row[0];
}

}  // namespace
}  // namespace rq::platform
