#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "geo/Unset.h"
#include "nmea/NumberScan.h"
#include "nmea/Sentence.h"
#include "nmea/TestLines.h"
#include "support/CaseTable.h"

using namespace rq;
using rq::test::Crlf;
using rq::test::Line;

TEST(Sentence, FieldsSplitOnCommaAndStarAndStopAtTheLineEnd) {
    SENTENCE s(Crlf("$GPGGA,123519,4807.038,N,,E*47"));
    EXPECT_EQ(s.Field(0), u"GPGGA");
    EXPECT_EQ(s.Field(1), u"123519");
    EXPECT_EQ(s.Field(4), u"");
    EXPECT_EQ(s.Field(5), u"E");
    EXPECT_EQ(s.Field(6), u"47");  // the checksum digits are a field too
    EXPECT_EQ(s.Field(7), u"");    // beyond the last field
    EXPECT_EQ(s.Field(-1), u"");
    EXPECT_EQ(s.Field(1000), u"");
    EXPECT_EQ(s.NumberOfDataFields(), 5);

    // Without a checksum the last field must not carry the CR LF.
    SENTENCE bare(Crlf("$GPGLL,4916.45,N,12311.12,W,225444,A"));
    EXPECT_EQ(bare.Field(6), u"A");
    EXPECT_EQ(bare.Boolean(6), NmeaBoolean::True);

    SENTENCE empty;
    EXPECT_EQ(empty.Field(0), u"");
    EXPECT_EQ(empty.ComputeChecksum(), 0);
    EXPECT_EQ(empty.IsChecksumBad(0), ChecksumResult::Unknown);
}

TEST(Sentence, ChecksumAndChecksumField) {
    const char* const kResults[] = {"Unknown", "Bad", "NotBad"};
    const auto rows = rq::test::CaseTable("nmea/checksums.tsv", '\t');
    ASSERT_GT(rows.size(), 8u);
    for (const auto& row : rows) {
        SENTENCE s(row[1] == "crlf" ? Crlf(row[0]) : Line(row[0]));
        EXPECT_EQ(kResults[static_cast<int>(s.IsChecksumBad(15))], row[2]) << row[0];
    }
    SENTENCE s(Crlf("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47"));
    EXPECT_EQ(s.ComputeChecksum(), 0x47);
    EXPECT_EQ(s.ChecksumField(), u"47");
    SENTENCE star(Crlf("$A*B*12"));  // the last star before the line end counts
    EXPECT_EQ(star.ChecksumField(), u"12");
    EXPECT_EQ(star.ComputeChecksum(), 'A');
    EXPECT_EQ(SENTENCE(Line("$")).ComputeChecksum(), 0);
}

TEST(Sentence, NumbersReadAsScanfDoes) {
    const auto rows = rq::test::CaseTable("nmea/numbers.tsv", '\t');
    ASSERT_GT(rows.size(), 30u);
    for (const auto& row : rows) {
        SENTENCE s(Crlf("$GPXXX," + row[0]));
        const double value = s.Double(1);
        if (row[1] == "unset")
            EXPECT_TRUE(IsUnset(value)) << row[0];
        else if (row[1] == "nan")
            EXPECT_TRUE(std::isnan(value)) << row[0];
        else
            EXPECT_DOUBLE_EQ(value, std::strtod(row[1].c_str(), nullptr)) << row[0];
        EXPECT_EQ(s.Integer(1), std::stoi(row[2])) << row[0];
    }
}

// The field readers' shortcuts give, bit for bit, what the general readers give: every
// shape of sign, leading zeros, integer and fraction digits up to and past the
// shortcut's limits, and the table above.
TEST(Sentence, ShortcutsReadBitForBitAsTheGeneralReaders) {
    std::vector<std::string> fields;
    for (const auto& row : rq::test::CaseTable("nmea/numbers.tsv", '\t')) fields.push_back(row[0]);
    std::uint64_t seed = 12345;
    auto digit = [&seed] {
        seed = seed * 6364136223846793005u + 1442695040888963407u;
        return static_cast<char>('0' + (seed >> 33) % 10);
    };
    for (const char* sign : {"", "-", "+", " "})
        for (int zeros = 0; zeros <= 2; ++zeros)
            for (int whole = 0; whole <= 17; ++whole)
                for (int fraction = -1; fraction <= 17; ++fraction)
                    for (int round = 0; round < 3; ++round) {
                        std::string f = sign + std::string(zeros, '0');
                        for (int k = 0; k < whole; ++k) f += digit();
                        if (fraction >= 0) f += '.';
                        for (int k = 0; k < fraction; ++k) f += round == 2 ? '0' : digit();
                        fields.push_back(f);
                        fields.push_back(f + "x");
                    }
    for (const std::string& f : fields) {
        SENTENCE s(Crlf("$GPXXX," + f));
        double general;
        if (!nmea::ScanDouble(s.Field(1), general)) general = kUnset;
        const double fast = s.Double(1);
        ASSERT_EQ(std::memcmp(&fast, &general, sizeof fast), 0) << f;
        ASSERT_EQ(s.Integer(1), nmea::ScanInteger(s.Field(1))) << f;
    }
}

TEST(Sentence, CodedFields) {
    SENTENCE s(Crlf("$GPXXX,A,V,X,N,S,E,W,L,R,B,M,W,R,P,Q,d,|,z,C,V,Z,AA"));
    // Each reader's codes as numbers: unknown 0, then the codes in their enum's order.
    auto codes = [&](auto read, int first, int last) {
        std::vector<int> out;
        for (int i = first; i <= last; ++i) out.push_back(static_cast<int>(read(i)));
        return out;
    };
    EXPECT_EQ(codes([&](int i) { return s.Boolean(i); }, 1, 3), (std::vector{1, 2, 0}));
    EXPECT_EQ(static_cast<int>(s.Boolean(22)), 0);
    EXPECT_EQ(codes([&](int i) { return s.NorthOrSouth(i); }, 4, 6), (std::vector{1, 2, 0}));
    EXPECT_EQ(codes([&](int i) { return s.EastOrWest(i); }, 6, 7), (std::vector{1, 2}));
    EXPECT_EQ(codes([&](int i) { return s.LeftOrRight(i); }, 8, 9), (std::vector{1, 2}));
    EXPECT_EQ(codes([&](int i) { return s.Reference(i); }, 10, 15),
              (std::vector{1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(codes([&](int i) { return s.CommunicationsMode(i); }, 16, 18),
              (std::vector{100, 124, 0}));
    EXPECT_EQ(codes([&](int i) { return s.TransducerType(i); }, 19, 21),
              (std::vector{static_cast<int>(TransducerType::Temperature),
                           static_cast<int>(TransducerType::Volume), 0}));
}

TEST(Sentence, TimeFieldOnFirstJanuary1980) {
    const platform::TimeValue base = *platform::MakeLocalTime({1980, 1, 1, 0, 0, 0});
    // The field and the seconds after midnight it gives, or -1 where the time is 0.
    const std::pair<const char*, int> cases[] = {
        {"123519", 45319}, {"000000.00", 0}, {"235959.999", 86399}, {"240000", -1},
        {"236000", -1},    {"235960", -1},   {"12351", -1},         {"", -1}};
    for (const auto& [field, seconds] : cases) {
        SENTENCE s(Crlf(std::string("$GPGGA,") + field));
        EXPECT_EQ(s.Time(1), seconds < 0 ? 0 : base + seconds) << field;
    }
}

TEST(Sentence, ComposesFieldsAndChecksum) {
    SENTENCE s;
    s.Begin(u"GPXYZ");
    s.AddText(u"abc").AddInteger(-12).AddDouble(4807.0384).AddDouble(kUnset);
    s.Add(NorthSouth::South).Add(NmeaBoolean::True).Add(rq::Reference::WaterReferenced);
    s.Add(CommunicationsMode::ArqTelex).Add(TransducerType::Pressure).Add(EastWest::Unknown);
    s.Finish();
    EXPECT_EQ(s.Text(), Line("$GPXYZ,abc,-12,4807.038,,S,A,W,s,P,*7A\r\n"));
    EXPECT_EQ(s.IsChecksumBad(0), ChecksumResult::NotBad);
}

TEST(Sentence, AbsurdFieldsNeitherOverflowNorHang) {
    std::string digits = "$GPXXX," + std::string(100000, '7') + "," + std::string(100000, '0') +
                         "1," + "0." + std::string(100000, '0') + "5";
    SENTENCE s(Crlf(digits));
    EXPECT_TRUE(std::isinf(s.Double(1)));
    EXPECT_EQ(s.Integer(1), 2147483647);
    EXPECT_DOUBLE_EQ(s.Double(2), 1.0);
    EXPECT_EQ(s.Double(3), 0.0);
    SENTENCE commas(Crlf("$GPGSV" + std::string(10000, ',')));
    EXPECT_EQ(commas.FieldCount(), 10001);
    EXPECT_EQ(commas.Field(9999), u"");
    EXPECT_EQ(commas.NumberOfDataFields(), 10000);
}
