// Every decoder over the sentences of tests/data/nmea: real receiver lines and each
// decoder's sample, with what it writes back, how it renders them and the time it reads.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "nmea/Nmea0183.h"
#include "nmea/TestLines.h"
#include "support/CaseTable.h"

using namespace rq;
using platform::ToUtf8;
using test::Crlf;

namespace {

std::string Written(const RESPONSE& r) {
    SENTENCE s;
    r.Write(s);
    std::string text = ToUtf8(s.Text());
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    return text;
}

std::string TimeText(platform::TimeValue t) {
    return t == 0 ? "0"
                  : platform::FormatCalendar("%Y-%m-%d %H:%M:%S", platform::ToLocalCalendar(t));
}

}  // namespace

TEST(Decoders, EveryLineWritesRendersAndTimesAsRecorded) {
    const auto rows = test::CaseTable("nmea/decoders.tsv", '\t');
    ASSERT_GT(rows.size(), 100u);
    NMEA0183 nmea, again;
    std::set<std::u16string> mnemonics;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 4u) << row[0];
        const std::string& line = row[0];
        nmea.SetSentence(Crlf(line));
        RESPONSE* r = nmea.Parse();
        ASSERT_NE(r, nullptr) << line << ": " << ToUtf8(nmea.errorMessage);
        mnemonics.insert(r->mnemonic);
        std::u16string lower = r->mnemonic;
        for (char16_t& c : lower) c = static_cast<char16_t>(std::tolower(c));
        EXPECT_TRUE(r->IsMnemonic(lower)) << line;
        EXPECT_EQ(ToUtf8(r->mnemonic), line[1] == 'P' ? "P" : line.substr(3, 3)) << line;
        EXPECT_EQ(Written(*r), row[1]) << line;
        EXPECT_EQ(ToUtf8(r->PlainEnglish()), row[2]) << line;
        EXPECT_EQ(nmea.PlainEnglish(), r->PlainEnglish()) << line;
        EXPECT_EQ(TimeText(r->time), row[3]) << line;

        // What a decoder writes it reads back unchanged.
        again.SetSentence(Crlf(row[1]));
        const RESPONSE* back = again.Parse();
        ASSERT_NE(back, nullptr) << row[1];
        EXPECT_EQ(Written(*back), row[1]);

        // One wrong checksum digit and the line is refused.
        if (line.size() > 3 && line[line.size() - 3] == '*') {
            std::string broken = line;
            broken.back() = broken.back() == '0' ? '1' : '0';
            nmea.SetSentence(Crlf(broken));
            EXPECT_EQ(nmea.Parse(), nullptr) << broken;
            EXPECT_EQ(nmea.errorMessage, r->mnemonic + u", Invalid Checksum") << broken;
        }
    }
    EXPECT_EQ(mnemonics.size(), static_cast<std::size_t>(nmea.DecoderCount()));
}

// Empty clears every member, those a family's middle layer adds as well, so an emptied
// decoder writes and renders what a new one does.
TEST(Decoders, EmptyReturnsEveryDecoderToItsFreshState) {
    NMEA0183 used, fresh;
    for (const auto& row : test::CaseTable("nmea/decoders.tsv", '\t')) {
        used.SetSentence(Crlf(row[0]));
        RESPONSE* r = used.Parse();
        ASSERT_NE(r, nullptr) << row[0];
        const RESPONSE* f = fresh.Find(r->mnemonic);
        ASSERT_NE(f, nullptr) << row[0];
        r->Empty();
        r->talker = f->talker;
        EXPECT_EQ(Written(*r), Written(*f)) << row[0];
        EXPECT_EQ(r->PlainEnglish(), f->PlainEnglish()) << row[0];
        EXPECT_EQ(r->time, 0) << row[0];
    }
}

TEST(Decoders, RefusedLinesSayWhy) {
    const auto rows = test::CaseTable("nmea/refused.tsv", '\t');
    ASSERT_GT(rows.size(), 5u);
    NMEA0183 nmea;
    for (const auto& row : rows) {
        nmea.SetSentence(Crlf(row[0]));
        EXPECT_EQ(nmea.Parse(), nullptr) << row[0];
        EXPECT_EQ(ToUtf8(nmea.errorMessage), row[1]) << row[0];
    }
}
