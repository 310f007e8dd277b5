#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include "geo/Unset.h"
#include "keepers/GpsKeeper.h"
#include "nmea/Nmea0183.h"
#include "nmea/Response.h"
#include "platform/Text.h"
#include "support/CaseTable.h"

namespace rq {
namespace {

// Feeds whole lines the way the workers do.
class Feeder {
public:
    Feeder() { keeper.Position().Reset(); }
    void Feed(const std::string& line) {
        parser.SetSentence(platform::FromUtf8(line + "\r\n"));
        RESPONSE* response = parser.Parse();
        ASSERT_NE(response, nullptr) << line << ": " << platform::ToUtf8(parser.errorMessage);
        keeper.HandleSentence(*response);
    }
    // Space-separated lines; "-" is none.
    void FeedAll(const std::string& lines) {
        std::istringstream words(lines);
        for (std::string line; words >> line;)
            if (line != "-") Feed(line);
    }
    CGpsPosition& Fix() { return keeper.Position(); }
    CGpsKeeper keeper;
    NMEA0183 parser;
};

// Every field of the record as text, under the names of tests/data/keepers/fix_merges.tsv.
std::map<std::string, std::string> Describe(const CGpsPosition& f) {
    auto number = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", v);
        return IsUnset(v) ? std::string("unset") : std::string(text);
    };
    std::map<std::string, std::string> d = {
        {"lat", number(f.m_lat.value)},
        {"lon", number(f.m_lon.value)},
        {"speed", number(f.speed)},
        {"course", number(f.course)},
        {"course_mag", number(f.courseMagnetic)},
        {"alt", number(f.altitude)},
        {"hdop", number(f.hdop)},
        {"vdop", number(f.vdop)},
        {"pdop", number(f.pdop)},
        {"time", f.time == 0 ? "0"
                             : platform::FormatCalendar("%Y-%m-%dT%H:%M:%S",
                                                        platform::ToLocalCalendar(f.time))},
        {"valid", std::to_string(f.fixValid)},
        {"quality", std::to_string(f.gpsQuality)},
        {"fix_mode", std::to_string(f.fixMode)},
        {"sel_mode", std::to_string(f.selectionMode)},
        {"sats_used", std::to_string(f.satellitesUsed)},
        {"sats_view", std::to_string(f.satellitesInView)},
        {"fix", f.HasFix() ? "1" : "0"},
    };
    static const char* const kBits[] = {"lat",  "lon",      "alt",     "speed",  "pdop",
                                        "hdop", "vdop",     "time",    "course", "course_mag",
                                        "sats", "sel_mode", "fix_mode"};
    std::string mask;
    for (int b = 0; b < 13; ++b)
        if (f.changedMask & (1u << b)) mask += (mask.empty() ? "" : "|") + std::string(kBits[b]);
    d["mask"] = mask.empty() ? "0" : mask;
    for (int i = 0; i < CGpsPosition::kSatelliteCount; ++i) {
        const CSatellite& s = f.satellites[i];
        char text[64];
        std::snprintf(text, sizeof text, "%d/%d/%d/%d/%d", s.prn, s.elevation, s.azimuth, s.snr,
                      s.used);
        d["sat" + std::to_string(i)] = text;
    }
    return d;
}

TEST(GpsKeeperSentenceTest, MergesSentencesIntoTheFix) {
    const auto rows = test::CaseTable("keepers/fix_merges.tsv", '\t');
    ASSERT_GT(rows.size(), 20u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        ASSERT_EQ(row.size(), 4u);
        Feeder feeder;
        feeder.FeedAll(row[1]);
        feeder.Fix().changedMask = 0;
        feeder.FeedAll(row[2]);
        const auto fields = Describe(feeder.Fix());
        std::istringstream expected(row[3]);
        for (std::string item; expected >> item;) {
            const std::size_t eq = item.find('=');
            const std::string name = item.substr(0, eq), value = item.substr(eq + 1);
            const std::size_t dash = name.find('-');
            if (name.rfind("sat", 0) == 0 && dash != std::string::npos) {
                for (int i = std::stoi(name.substr(3)); i <= std::stoi(name.substr(dash + 1)); ++i)
                    EXPECT_EQ(fields.at("sat" + std::to_string(i)), value) << "sat" << i;
            } else {
                ASSERT_TRUE(fields.count(name)) << name;
                EXPECT_EQ(fields.at(name), value) << name;
            }
        }
    }
}

TEST(GpsKeeperSentenceTest, ResetCopyAndAssignment) {
    Feeder feeder;
    feeder.Feed("$GPRMC,140509,A,5130.1920,N,00009.1680,W,2.72,70.0,150308,2.5,W*7C");
    feeder.Feed("$GPGGA,140509,5130.1920,N,00009.1680,W,1,06,0.9,35.0,M,47.0,M,,*68");
    feeder.Feed("$GPGSV,1,1,02,03,62,110,44,06,35,047,40*7B");
    CGpsPosition& fix = feeder.Fix();
    CGpsPosition copy(fix), target;
    target = fix;
    EXPECT_EQ(Describe(copy), Describe(fix));
    EXPECT_EQ(Describe(target), Describe(fix));
    EXPECT_EQ(copy.satellites[1].snr, 40);

    platform::TimeValue time = fix.time;
    fix.Reset();
    EXPECT_EQ(fix.time, time);  // reset keeps the time
    const auto reset = Describe(fix);
    EXPECT_EQ(std::tuple(reset.at("lat"), reset.at("alt"), reset.at("sats_used"), reset.at("sat1"),
                         reset.at("mask"), reset.at("valid")),
              std::tuple("unset", "0", "0", "-1/0/0/0/0", "0", "1"));
}

}  // namespace
}  // namespace rq
