#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "friends/PositionMessage.h"
#include "platform/Text.h"
#include "support/CaseTable.h"

namespace rq {
namespace {

std::vector<std::uint8_t> Hex(std::string text) {
    std::erase(text, ' ');
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        out.push_back(static_cast<std::uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
    return out;
}

constexpr platform::TimeValue kSept2006 = 1157068800;  // 2006-09-01 00:00:00 UTC

TEST(PositionMessage, MadeBytesMatchReference) {
    const PositionReport r{48.5, -11.25, 519.5, 90.25, 3.5, 1.25, 12, 7};
    const std::vector<std::uint8_t> made[] = {
        MakePositionMessage(r, u"Ann", kSept2006),
        MakePositionMessage({48.5, -11.25, 519.5, 90.25, 3.5, 1.25, 0x10C, 0x207}, u"ABCDEFGHIJKL",
                            kSept2006),
        MakePositionTextMessage(48.5, -11.25, u"Hi there", kSept2006),
        MakePoiMessage(48.5, -11.25, 7, u"Cafe", kSept2006),
        MakeMessage(kKindPosition, 0x100000005LL)};
    const auto expected = test::CaseTable("cases/position-messages.txt");
    ASSERT_EQ(expected.size(), std::size(made));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::vector<std::uint8_t> bytes = Hex(expected[i][2]);
        bytes.resize(std::stoul(expected[i][1]), 0);
        EXPECT_EQ(made[i], bytes) << expected[i][0];
    }
    EXPECT_TRUE(MakeMessage(0x14, kSept2006).empty());
    EXPECT_TRUE(MakeMessage(0, kSept2006).empty());
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
    for (const auto& row : test::CaseTable("cases/message-text-cleaning.txt"))
        EXPECT_EQ(platform::ToUtf8(CleanMessageText(platform::FromUtf8(row[0]))), row[1]) << row[0];
}

TEST(PositionMessage, DecodesWhatWasMade) {
    auto m = MakePositionMessage({-33.8578, 151.2, 12.5, 271, 4.25, 0.9, 11, 8}, u"Bob", kSept2006);
    auto d = DecodeMessage(m.data(), m.size());
    ASSERT_TRUE(d);
    EXPECT_EQ(std::tuple(d->kind, d->sizeField, d->time, d->latitude, d->longitude, d->senderName),
              std::tuple(kKindPosition, 72u, 1157068800u, -33.8578, 151.2, std::u16string(u"Bob")));
    EXPECT_EQ(std::tuple(d->altitude, d->course, d->speedKnots, d->hdop),
              std::tuple(12.5f, 271.0f, 4.25f, 0.9f));
    EXPECT_EQ(std::tuple(d->satellitesInView, d->satellitesUsed), std::tuple(11, 8));

    // A full ten-unit name is read without running into the two zero bytes that follow.
    m = MakePositionMessage({}, u"0123456789AB", 0);
    EXPECT_EQ(DecodeMessage(m.data(), m.size())->senderName, u"0123456789");

    // A received text field without any zero unit is read to the end of its field only.
    m = MakePositionTextMessage(0, 0, u"", 0);
    std::fill(m.begin() + 32, m.end(), 'y');
    EXPECT_EQ(DecodeMessage(m.data(), m.size())->text.size(), 41u);
}

TEST(PositionMessage, RecogniserIgnoresWhatItMust) {
    const std::map<std::string, std::vector<std::uint8_t>> made = {
        {"position", MakePositionMessage({}, u"A", 5)},
        {"text", MakePositionTextMessage(0, 0, u"t", 0)},
        {"poi", MakePoiMessage(0, 0, 1, u"p", 0)}};
    for (const auto& row : test::CaseTable("cases/message-recognition.txt")) {
        std::vector<std::uint8_t> bytes = made.at(row[1]);
        if (!row[2].empty()) bytes.resize(std::stoul(row[2]), 0xEE);
        if (!row[3].empty()) bytes[std::stoul(row[3])] = std::stoul(row[4], nullptr, 16);
        const std::uint32_t kind = std::stoul(row[5], nullptr, 16);
        EXPECT_EQ(RecogniseMessage(bytes.data(), bytes.size()), kind) << row[0];
        EXPECT_EQ(DecodeMessage(bytes.data(), bytes.size()).has_value(), kind != 0) << row[0];
    }
    EXPECT_EQ(RecogniseMessage(nullptr, 72), 0u);
}

}  // namespace
}  // namespace rq
