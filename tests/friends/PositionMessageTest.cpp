#include <gtest/gtest.h>

#include <ctime>
#include <random>

#include "friends/PositionMessage.h"

namespace rq {
namespace {

// Reference bytes written out by hand from the field table: values chosen to be exact in
// binary so their IEEE bytes can be written down (48.5 = 40 48 40 00.., -11.25 = C0 26 80 ..,
// 519.5f = 44 01 E0 00, 90.25f = 42 B4 80 00, 3.5f = 40 60 00 00, 1.25f = 3F A0 00 00).
std::vector<std::uint8_t> Hex(const char* text) {
    std::vector<std::uint8_t> out;
    int nibbles = 0, value = 0;
    for (const char* p = text; *p; ++p) {
        int v;
        if (*p >= '0' && *p <= '9')
            v = *p - '0';
        else if (*p >= 'A' && *p <= 'F')
            v = *p - 'A' + 10;
        else
            continue;
        value = value * 16 + v;
        if (++nibbles == 2) {
            out.push_back(static_cast<std::uint8_t>(value));
            nibbles = value = 0;
        }
    }
    return out;
}

std::vector<std::uint8_t> Padded(std::vector<std::uint8_t> v, std::size_t size) {
    v.resize(size, 0);
    return v;
}

constexpr platform::TimeValue kSept2006 = 1157068800;  // 2006-09-01 00:00:00 UTC

TEST(PositionMessage, MadeBytesMatchReference) {
    PositionReport r{48.5, -11.25, 519.5, 90.25, 3.5, 1.25, 12, 7};
    struct Case {
        const char* what;
        std::vector<std::uint8_t> made;
        std::vector<std::uint8_t> expected;
    } cases[] = {
        {"position, short name", MakePositionMessage(r, u"Ann", kSept2006),
         Padded(Hex("D4C3B2A1 48000000 11000000 0078F744"
                    "0000000000404840 00000000008026C0"
                    "00E00144 0080B442 00006040 0000A03F 0C 07"
                    "4100 6E00 6E00"),
                72)},
        {"position, 12-unit name cut to 10, counts cut to their low byte",
         MakePositionMessage({48.5, -11.25, 519.5, 90.25, 3.5, 1.25, 0x10C, 0x207}, u"ABCDEFGHIJKL",
                             kSept2006),
         Padded(Hex("D4C3B2A1 48000000 11000000 0078F744"
                    "0000000000404840 00000000008026C0"
                    "00E00144 0080B442 00006040 0000A03F 0C 07"
                    "4100 4200 4300 4400 4500 4600 4700 4800 4900 4A00 0000"),
                72)},
        {"position text", MakePositionTextMessage(48.5, -11.25, u"Hi there", kSept2006),
         Padded(Hex("D4C3B2A1 72000000 12000000 0078F744"
                    "0000000000404840 00000000008026C0"
                    "4800 6900 2000 7400 6800 6500 7200 6500"),
                114)},
        {"POI", MakePoiMessage(48.5, -11.25, 7, u"Cafe", kSept2006),
         Padded(Hex("D4C3B2A1 76000000 13000000 0078F744"
                    "0000000000404840 00000000008026C0 07000000"
                    "4300 6100 6600 6500"),
                118)},
        {"time keeps its low 32 bits", MakeMessage(kKindPosition, 0x100000005LL),
         Padded(Hex("D4C3B2A1 48000000 11000000 05000000"), 72)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.made, c.expected) << c.what;
    }
    EXPECT_TRUE(MakeMessage(0x14, kSept2006).empty());
    EXPECT_TRUE(MakeMessage(0, kSept2006).empty());

    std::tm tm{};
    tm.tm_year = 106;
    tm.tm_mon = 8;
    tm.tm_mday = 1;
    EXPECT_EQ(timegm(&tm), kSept2006);
}

TEST(PositionMessage, TextsAreCutAndAlwaysTerminated) {
    const std::u16string fifty(50, u'x');
    for (auto m : {MakePositionTextMessage(1, 2, fifty, 0), MakePoiMessage(1, 2, 3, fifty, 0)}) {
        const std::size_t at = m.size() == kPoiMessageSize ? 36 : 32;
        for (std::size_t i = 0; i < 40; ++i) EXPECT_EQ(m[at + 2 * i], 'x') << i;
        for (std::size_t i = at + 80; i < m.size(); ++i) EXPECT_EQ(m[i], 0) << i;
        auto d = DecodeMessage(m.data(), m.size());
        ASSERT_TRUE(d);
        EXPECT_EQ((d->kind == kKindPoi ? d->poiName : d->text), std::u16string(40, u'x'));
    }
}

TEST(PositionMessage, CleaningJoinsLinesWithOneBlank) {
    const struct {
        std::u16string in, out;
    } cases[] = {
        {u"first\r\nsecond", u"first second"},
        {u"a\rb\nc", u"a b c"},
        {u"a\n\rb", u"a  b"},
        {u"  \r\n padded \n", u"padded"},
        {u"", u""},
        {u"\r\n\r\n", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(CleanMessageText(c.in), c.out);
}

TEST(PositionMessage, DecodesWhatWasMade) {
    auto m = MakePositionMessage({-33.8578, 151.2, 12.5, 271, 4.25, 0.9, 11, 8}, u"Bob", kSept2006);
    auto d = DecodeMessage(m.data(), m.size());
    ASSERT_TRUE(d);
    EXPECT_EQ(d->kind, kKindPosition);
    EXPECT_EQ(d->sizeField, 72u);
    EXPECT_EQ(d->time, 1157068800u);
    EXPECT_EQ(d->latitude, -33.8578);
    EXPECT_EQ(d->longitude, 151.2);
    EXPECT_EQ(d->altitude, 12.5f);
    EXPECT_EQ(d->course, 271.0f);
    EXPECT_EQ(d->speedKnots, 4.25f);
    EXPECT_EQ(d->hdop, 0.9f);
    EXPECT_EQ(d->satellitesInView, 11);
    EXPECT_EQ(d->satellitesUsed, 8);
    EXPECT_EQ(d->senderName, u"Bob");

    // A full ten-unit name is read without running into the two zero bytes that follow.
    m = MakePositionMessage({}, u"0123456789AB", 0);
    EXPECT_EQ(DecodeMessage(m.data(), m.size())->senderName, u"0123456789");

    // A received text field without any zero unit is read to the end of its field only.
    m = MakePositionTextMessage(0, 0, u"", 0);
    std::fill(m.begin() + 32, m.end(), 'y');
    EXPECT_EQ(DecodeMessage(m.data(), m.size())->text.size(), 41u);
}

TEST(PositionMessage, RecogniserIgnoresWhatItMust) {
    const auto good = MakePositionMessage({}, u"A", 5);
    auto wrongMagic = good;
    wrongMagic[0] = 0xD5;
    auto unknownKind = good;
    unknownKind[8] = 0x14;
    auto sizeFieldLies = good;  // the size field is not consulted
    sizeFieldLies[4] = 0x10;
    auto longer = good;
    longer.resize(200, 0xEE);
    const auto text = MakePositionTextMessage(0, 0, u"t", 0);
    const auto poi = MakePoiMessage(0, 0, 1, u"p", 0);
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::uint32_t kind;
    } cases[] = {
        {"empty", {}, 0},
        {"three bytes of magic", {0xD4, 0xC3, 0xB2}, 0},
        {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 16), 0},
        {"one byte short", std::vector<std::uint8_t>(good.begin(), good.end() - 1), 0},
        {"wrong magic", wrongMagic, 0},
        {"unknown kind", unknownKind, 0},
        {"position", good, kKindPosition},
        {"size field lies", sizeFieldLies, kKindPosition},
        {"trailing bytes", longer, kKindPosition},
        {"text", text, kKindPositionText},
        {"text short", std::vector<std::uint8_t>(text.begin(), text.end() - 1), 0},
        {"poi", poi, kKindPoi},
        {"poi short", std::vector<std::uint8_t>(poi.begin(), poi.begin() + 114), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RecogniseMessage(c.bytes.data(), c.bytes.size()), c.kind) << c.what;
        EXPECT_EQ(DecodeMessage(c.bytes.data(), c.bytes.size()).has_value(), c.kind != 0) << c.what;
    }
    EXPECT_EQ(RecogniseMessage(nullptr, 72), 0u);

    // Random bytes with a valid header: decoding reads only inside the buffer (ASan run).
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        std::vector<std::uint8_t> b(rng() % 130);
        for (auto& x : b) x = static_cast<std::uint8_t>(rng());
        if (b.size() >= 12 && (i & 1)) {
            b[0] = 0xD4, b[1] = 0xC3, b[2] = 0xB2, b[3] = 0xA1;
            b[8] = static_cast<std::uint8_t>(0x11 + rng() % 3), b[9] = b[10] = b[11] = 0;
        }
        DecodeMessage(b.data(), b.size());
    }
}

}  // namespace
}  // namespace rq
