// Every decoder over the sentences of tests/data/nmea: real receiver lines and each
// decoder's sample, with what it writes back, how it renders them and the time it reads;
// then what the fix decoders hold beyond what they write: used satellites, the GSV table
// across messages, and times on a clock change.
#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "nmea/Nmea0183.h"
#include "nmea/TestLines.h"
#include "nmea/decoders/GSA.h"
#include "nmea/decoders/GSV.h"
#include "nmea/decoders/RMC.h"
#include "support/CaseTable.h"
#include "support/ScopedTimeZone.h"

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

template <typename T>
const T* Parsed(NMEA0183& nmea, const char* line) {
    nmea.SetSentence(Crlf(line));
    RESPONSE* r = nmea.Parse();
    EXPECT_NE(r, nullptr) << line << ": " << platform::ToUtf8(nmea.errorMessage);
    return static_cast<const T*>(r);
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

TEST(FixDecoders, GsaUsedSatellites) {
    NMEA0183 nmea;
    const GSA* a = Parsed<GSA>(nmea, "$GNGSA,A,3,01,11,31,14,22,32,04,25,03,,,,1.56,0.91,1.27*15");
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->IsSatelliteUsed(31));
    EXPECT_TRUE(a->IsSatelliteUsed(3));
    EXPECT_FALSE(a->IsSatelliteUsed(2));
    EXPECT_TRUE(a->IsSatelliteUsed(0));  // an empty slot
}

TEST(FixDecoders, GsvFillsTheTwelveEntryTableAcrossMessages) {
    NMEA0183 nmea;
    Parsed<GSV>(nmea, "$GPGSV,3,1,09,01,10,158,45,03,72,164,41,11,24,279,,14,30,119,48");
    Parsed<GSV>(nmea, "$GPGSV,3,3,12,30,10,010,10,31,11,011,11,32,12,012,12,33,13,013,13");
    // Message 2 of 3 with nine in view: entries 4-7 filled, 9-11 cleared, 0-3 and 8 stay.
    const GSV* v =
        Parsed<GSV>(nmea, "$GPGSV,3,2,09,20,40,083,46,21,17,308,41,22,07,344,39,23,22,228,45");
    ASSERT_NE(v, nullptr);
    const int prns[12] = {1, 3, 11, 14, 20, 21, 22, 23, 30, 0, 0, 0};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(v->satellites[i].satelliteNumber, prns[i]) << i;
    EXPECT_EQ(v->satellites[2].signalToNoiseRatio, -1);  // not tracked
    EXPECT_EQ(v->satellites[11].signalToNoiseRatio, -1);
    EXPECT_EQ(v->satellites[4].elevationDegrees, 40);
    EXPECT_EQ(v->satellites[4].azimuthDegreesTrue, 83);

    // Message 4 of 4 (ublox-8) is not stored; zero in view clears everything.
    v = Parsed<GSV>(nmea, "$GPGSV,4,4,16,30,12,249,17,46,31,150,,48,38,197,,51,37,160,*7C");
    EXPECT_EQ(v->satellites[0].satelliteNumber, 1);
    v = Parsed<GSV>(nmea, "$GPGSV,1,1,00,,,,,,,,,,,,,,,,*79");
    for (const SATELLITE_DATA& d : v->satellites) EXPECT_EQ(d.satelliteNumber, 0);
}

// The day cache behind the time values must not smooth over a clock change.
TEST(FixDecoders, TimesOnADaylightSavingChangeDay) {
    const test::ScopedTimeZone zone("Europe/Berlin");
    NMEA0183 nmea;
    struct Case {
        const char* line;
        int day, hour, minute;
    } cases[] = {
        {"$GPRMC,013000,A,,,,,,,290320,,*2E", 29, 1, 30},  // before the change at 02:00
        {"$GPRMC,033000,A,,,,,,,290320,,*2C", 29, 3, 30},  // after it
        {"$GPRMC,120000,A,,,,,,,280320,,*2E", 28, 12, 0},
    };
    for (const Case& c : cases) {
        const RMC* r = Parsed<RMC>(nmea, c.line);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->time, *platform::MakeLocalTime({2020, 3, c.day, c.hour, c.minute, 0}))
            << c.line;
    }
}
