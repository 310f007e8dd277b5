#include <gtest/gtest.h>

#include <vector>

#include "nmea/BoundedSearch.h"
#include "nmea/Manufacturer.h"
#include "nmea/Nmea0183.h"
#include "nmea/TalkerTable.h"
#include "nmea/TestLines.h"
#include "nmea/decoders/GGA.h"
#include "nmea/decoders/P.h"
#include "nmea/decoders/RMC.h"
#include "nmea/decoders/VTG.h"
#include "support/CaseTable.h"
#include "support/ScopedTimeZone.h"

using namespace rq;
using rq::test::Crlf;
using rq::test::Line;

namespace {
RESPONSE* ParseLine(NMEA0183& nmea, const char* line) {
    nmea.SetSentence(Crlf(line));
    return nmea.Parse();
}
}  // namespace

TEST(Nmea0183, TableIsSortedAndEveryDecoderIsFound) {
    NMEA0183 nmea;
    ASSERT_EQ(nmea.DecoderCount(), 81);
    for (int i = 0; i < nmea.DecoderCount(); ++i) {
        const RESPONSE& r = nmea.DecoderAt(i);
        if (i > 0) {
            EXPECT_LT(nmea.DecoderAt(i - 1).mnemonic, r.mnemonic);
        }
        EXPECT_EQ(nmea.Find(r.mnemonic), &r) << platform::ToUtf8(r.mnemonic);
        EXPECT_EQ(r.Container(), &nmea);
        EXPECT_EQ(r.talker, u"--");
    }
    for (const char16_t* absent : {u"GOA", u"GOF", u"GOP", u"AAA", u"ZZZ", u"", u"GG"})
        EXPECT_EQ(nmea.Find(absent), nullptr) << platform::ToUtf8(absent);
}

TEST(Nmea0183, ResultTextsFollowTheLastLine) {
    NMEA0183 nmea;
    RESPONSE* r =
        ParseLine(nmea, "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->talker, u"GP");
    EXPECT_EQ(nmea.errorMessage, u"No Error");
    EXPECT_EQ(nmea.lastSentenceIdParsed, u"GGA");
    EXPECT_EQ(nmea.lastSentenceIdReceived, u"GGA");
    EXPECT_EQ(nmea.talkerId, u"GP");
    EXPECT_EQ(nmea.expandedTalkerId, u"Global Positioning System (GPS)");

    // Unknown type: the parsed texts stay, the received mnemonic changes.
    EXPECT_EQ(ParseLine(nmea, "$GPXYZ,1,2*00"), nullptr);
    EXPECT_EQ(nmea.lastSentenceIdReceived, u"XYZ");
    EXPECT_EQ(nmea.lastSentenceIdParsed, u"GGA");

    // Without CR LF, or without "$", the line is refused before any text changes.
    for (const char* bad :
         {"", "\r\n", "GPGGA,1\r\n", "$GPGGA\n", "$GPGGA\r", " $GPGGA\r\n", "$GPGGA,1"}) {
        nmea.SetSentence(Line(bad));
        EXPECT_FALSE(nmea.IsGood()) << bad;
        EXPECT_EQ(nmea.Parse(), nullptr) << bad;
    }
    EXPECT_EQ(nmea.lastSentenceIdReceived, u"XYZ");

    // Proprietary sentences go to "P" with the manufacturer looked up.
    const P* p = static_cast<const P*>(ParseLine(nmea, "$PGRME,9.1,M,15.0,M,12.0,M*21"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->manufacturer.mnemonic, u"GRM");
    EXPECT_EQ(p->sentence, u"E,9.1,M,15.0,M,12.0,M");
    EXPECT_EQ(nmea.expandedTalkerId, u"Unknown - PG");

    // A refused line keeps what the decoder held.
    const RMC* rmc = static_cast<const RMC*>(
        ParseLine(nmea, "$GPRMC,225308,A,4527.458,S,16709.165,E,000.0,094.5,060601,024.1,E*6D"));
    ASSERT_NE(rmc, nullptr);
    EXPECT_EQ(ParseLine(nmea, "$GPRMC,000000,V,0000.000,N,00000.000,W,1.0,1.0,010101,,*6D"),
              nullptr);
    EXPECT_EQ(ParseLine(nmea, "$GPRMC,000000,V,0000.000,N,00000.000,W,1.0,1.0,010101,,"), nullptr);
    EXPECT_EQ(rmc->utcTime, u"225308");
    EXPECT_EQ(rmc->position.latitude.hemisphere, NorthSouth::South);
}

// Limited decoding: other types are accepted or refused as before, their decoders keep
// their fields, and they have no plain-English text.
TEST(Nmea0183, DecodeOnlyChecksTheOtherTypes) {
    NMEA0183 nmea;
    nmea.DecodeOnly({u"GGA"});
    RESPONSE* gll = nmea.Find(u"GLL");
    nmea.SetSentence(Crlf("$GPGLL,4916.45,N,12311.12,W,225444,A*31"));
    EXPECT_EQ(nmea.Parse(), gll);
    EXPECT_EQ(nmea.errorMessage, u"No Error");
    EXPECT_EQ(gll->talker, u"GP");
    EXPECT_EQ(gll->utcTime, u"");  // not read
    EXPECT_EQ(nmea.PlainEnglish(), u"");
    nmea.SetSentence(Crlf("$GPGLL,4916.45,N,12311.12,W,225444,A*30"));
    EXPECT_EQ(nmea.Parse(), nullptr);
    EXPECT_EQ(nmea.errorMessage, u"GLL, Invalid Checksum");
    nmea.SetSentence(Crlf("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47"));
    EXPECT_EQ(nmea.Parse(), nmea.Find(u"GGA"));
    EXPECT_EQ(nmea.Find(u"GGA")->utcTime, u"123519");
    nmea.DecodeOnly({});
    nmea.SetSentence(Crlf("$GPGLL,4916.45,N,12311.12,W,225444,A*31"));
    EXPECT_EQ(nmea.Parse(), gll);
    EXPECT_EQ(gll->utcTime, u"225444");
}

// Decoding for the fix alone: the times are those of full decoding, in more than one
// zone; the fields the fix never reads are left alone, and there is no plain English.
TEST(Nmea0183, FixFieldsOnlyReadsWhatTheFixReads) {
    for (const char* zone : {"UTC", "Asia/Shanghai"}) {
        const test::ScopedTimeZone in(zone);
        NMEA0183 full, lean;
        lean.DecodeOnly({u"GGA", u"RMC", u"VTG"}, true);
        for (const char* line :
             {"$GPGGA,140509.00,5130.1920,N,00009.1680,W,1,06,0.9,35.0,M,47.0,M,2.5,0123*6F",
              "$GPRMC,140509.00,A,5130.1920,N,00009.1680,W,2.72,70.0,150308,2.5,W*52",
              "$GPRMC,235959,V,,,,,,,311299,,*31", "$GPRMC,120000,A,,,,,,,3199,,*27",
              "$GPVTG,70.0,T,72.5,M,2.72,N,5.04,K*4F"}) {
            RESPONSE* a = ParseLine(full, line);
            ASSERT_EQ(ParseLine(lean, line), lean.Find(a->mnemonic)) << line;
            EXPECT_EQ(lean.Find(a->mnemonic)->time, a->time) << zone << line;
            EXPECT_EQ(lean.PlainEnglish(), u"") << line;
        }
        EXPECT_EQ(static_cast<const GGA&>(*lean.Find(u"GGA")).geoidalSeparationMeters, 0.0);
        EXPECT_EQ(static_cast<const RMC&>(*lean.Find(u"RMC")).date, u"");
        EXPECT_EQ(static_cast<const VTG&>(*lean.Find(u"VTG")).speedKilometersPerHour, 0.0);
        lean.DecodeOnly({});
        ParseLine(lean, "$GPVTG,70.0,T,72.5,M,2.72,N,5.04,K*4F");
        EXPECT_EQ(static_cast<const VTG&>(*lean.Find(u"VTG")).speedKilometersPerHour, 5.04);
        EXPECT_NE(lean.PlainEnglish(), u"");
    }
}

TEST(Nmea0183, TalkerAndManufacturerTables) {
    for (const auto& row : test::CaseTable("nmea/talkers.tsv", '\t')) {
        const std::u16string key = platform::Widen(row[1]);
        ASSERT_EQ(row.size(), 3u) << row[1];
        EXPECT_EQ(
            platform::ToUtf8(row[0] == "talker" ? ExpandTalkerId(key) : LookUpManufacturer(key)),
            row[2])
            << row[1];
    }
    EXPECT_GT(ManufacturerCount(), 300);
}

TEST(Nmea0183, BoundedSearchFindsEveryKeyAndStopsOnMissingOnes) {
    // Tables of every size up to 40 with keys "B", "D", "F", ...: present keys are
    // found, keys before, between and after them are not, and nothing loops.
    for (int count = 0; count <= 40; ++count) {
        std::vector<std::u16string> keys;
        for (int i = 0; i < count; ++i) keys.push_back(std::u16string(1, u'B' + 2 * i));
        auto keyAt = [](const void* table, int i) -> std::u16string_view {
            return (*static_cast<const std::vector<std::u16string>*>(table))[i];
        };
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(nmea::BoundedSearch(keys[i], count, &keys, keyAt), i) << count;
        for (int i = 0; i <= count; ++i) {
            const std::u16string missing(1, u'A' + 2 * i);
            EXPECT_EQ(nmea::BoundedSearch(missing, count, &keys, keyAt), -1) << count;
        }
        EXPECT_EQ(nmea::BoundedSearch(u"BB", count, &keys, keyAt), -1) << count;
    }
}
