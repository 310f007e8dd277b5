// roamquill-tool track, dump and gpx over a generated log of a straight walk north.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/Sentence.h"
#include "support/TempFolder.h"
#include "tools/CommandOutput.h"

namespace rq {
namespace {

constexpr double kMetresPerDegree = 111200.162632;

// RMC, GGA and GSA once a second, walking `metresPerSecond` due north from 48 N.
std::string WalkNorthLog(int seconds, double metresPerSecond) {
    std::string log;
    for (int s = 0; s < seconds; ++s) {
        const double lat = 48.0 + s * metresPerSecond / kMetresPerDegree;
        const int degrees = static_cast<int>(lat);
        char position[64], clock[16], body[160];
        std::snprintf(position, sizeof position, "%02d%07.4f,N,01130.0000,E", degrees,
                      (lat - degrees) * 60.0);
        std::snprintf(clock, sizeof clock, "12%02d%02d.00", s / 60, s % 60);
        std::snprintf(body, sizeof body, "GPRMC,%s,A,%s,%.2f,0.0,150308,,,A", clock, position,
                      metresPerSecond / 0.514444);
        log += test::SentenceLine(body);
        std::snprintf(body, sizeof body, "GPGGA,%s,%s,1,08,1.0,100.0,M,0.0,M,,", clock, position);
        log += test::SentenceLine(body);
        log += test::SentenceLine("GPGSA,A,3,01,02,03,04,05,06,07,08,,,,,2.0,1.0,1.7");
    }
    return log;
}

std::vector<std::string> RunTool(const std::string& args, int& status,
                                 const std::string& environment = "") {
    const std::string command =
        environment + "'" RQ_BINARY_DIR "/roamquill-tool' " + args + " 2>/dev/null";
    return tooltest::CommandOutputLines(command, status);
}

double NumberAfter(const std::string& line, const std::string& key) {
    const std::size_t at = line.find("\"" + key + "\":");
    if (at == std::string::npos) return NAN;
    return std::atof(line.c_str() + at + key.size() + 3);
}

class TrackCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(RQ_BINARY_DIR "/roamquill-tool")) GTEST_SKIP();
        log_ = dir_.Path() + "walk.nmea";
        std::ofstream(log_, std::ios::binary) << WalkNorthLog(201, 1.5);
    }
    test::TempFolder dir_;
    std::string log_;
};

TEST_F(TrackCommandTest, StraightWalkNorthUnderEachSetting) {
    struct Case {
        const char* options;
        double points;
        double segment;  // the head lags the last fix by less than this
    } cases[] = {
        {"", 2, 6},                   // the middle points of a straight line go
        {"--ts 0", 2, 0.5},           // a point per fix, then the filter removes it again
        {"--ts 0 --ta 0", 201, 0.5},  // nothing is below a threshold of 0
        {"--ts 1 --ta 0 --max 2", 2, 1},
        {"--ts 100 --ta 0", 3, 100},  // 0, 100 and 201 metres; the last 99 m are short
    };
    for (const Case& c : cases) {
        int status = -1;
        const std::string out = dir_.Path() + "walk.trk";
        const auto lines = RunTool("track '" + log_ + "' -o '" + out + "' " + c.options, status);
        ASSERT_EQ(status, 0) << c.options;
        ASSERT_EQ(lines.size(), 19u) << c.options;
        EXPECT_EQ(NumberAfter(lines[0], "points"), c.points) << c.options;
        EXPECT_NEAR(NumberAfter(lines[0], "mileage_m"), 300.0, 300.0 * 0.005) << c.options;
        EXPECT_EQ(NumberAfter(lines[0], "fixes"), 201) << c.options;
        EXPECT_EQ(lines[4], R"({"label":"Mileage","value":"300","unit":"m"})") << c.options;
        EXPECT_EQ(lines[18], R"({"label":"Duration","value":"00:03:20","unit":""})");

        const auto dump = RunTool("dump '" + out + "'", status);
        ASSERT_EQ(status, 0);
        ASSERT_GE(dump.size(), 1u + static_cast<std::size_t>(c.points));
        EXPECT_EQ(NumberAfter(dump[0], "points"), c.points);
        const double head = (NumberAfter(dump[1], "lat") - 48.0) * kMetresPerDegree;
        EXPECT_LE(head, 300.1) << c.options;
        EXPECT_GT(head, 300.0 - c.segment) << c.options;
    }
}

TEST_F(TrackCommandTest, GpxAndDumpOfTheGoldenFileAndBadArguments) {
    const std::string golden = RQ_SOURCE_DIR "/tests/data/trk/golden.trk";
    int status = -1;
    const auto dump = RunTool("dump '" + golden + "'", status);
    ASSERT_EQ(status, 0);
    ASSERT_EQ(dump.size(), 1u + 3 + 1 + 2);
    EXPECT_NE(dump[0].find(R"("short_name":"Walk","owner":"me@example")"), std::string::npos);
    EXPECT_NE(dump[4].find(R"("category":"General","pois":2)"), std::string::npos);
    EXPECT_NE(dump[5].find(R"("poi":"Cafe Kreuz")"), std::string::npos);
    EXPECT_NE(dump[0].find(R"("load_changes":[])"), std::string::npos);

    const std::string gpx = dir_.Path() + "golden.gpx";
    RunTool("gpx '" + golden + "' -o '" + gpx + "'", status);
    ASSERT_EQ(status, 0);
    std::ifstream in(gpx);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("<name>Walk</name>"), std::string::npos);
    EXPECT_NE(text.find("<name>Milestone 1</name>"), std::string::npos);
    EXPECT_LT(text.find("lat=\"48.117300000\""), text.find("<trkpt lat=\"48.120000000\""));

    RunTool("dump '" RQ_SOURCE_DIR "/tests/data/malformed/trk/point-cut.trk'", status);
    EXPECT_NE(status, 0);
    RunTool("track '" + log_ + "' -o x.trk --max 1", status);
    EXPECT_NE(status, 0);
    RunTool("track '" + dir_.Path() + "none.nmea' -o '" + dir_.Path() + "x.trk'", status);
    EXPECT_NE(status, 0);
    RunTool("dump '" + log_ + "'", status);
    EXPECT_NE(status, 0) << "unknown kind";
}

// The walk's last fix is 12:03:20 UTC on 2008-03-15 whatever the zone it is replayed in:
// "UTC" shows it, "Local Time" the zone's standard time, replay the same fields.
TEST_F(TrackCommandTest, PanelClocksAndReplayTimesInZonesEastAndWest) {
    struct Case {
        const char* zone;
        const char* local;
    } cases[] = {{"Asia/Shanghai", "20:03:20"}, {"America/St_Johns", "08:33:20"}};
    for (const Case& c : cases) {
        const std::string zone = std::string("TZ=") + c.zone + " ";
        int status = -1;
        const auto lines =
            RunTool("track '" + log_ + "' -o '" + dir_.Path() + "z.trk'", status, zone);
        ASSERT_EQ(status, 0) << c.zone;
        const std::string local = std::string(R"({"label":"Local Time","value":")") + c.local +
                                  R"(","unit":"2008-03-15"})";
        EXPECT_NE(std::find(lines.begin(), lines.end(), local), lines.end()) << c.zone;
        const std::string utc = R"({"label":"UTC","value":"12:03:20","unit":"2008-03-15"})";
        EXPECT_NE(std::find(lines.begin(), lines.end(), utc), lines.end()) << c.zone;
        const auto replay = RunTool("replay '" + log_ + "' --fast", status, zone);
        ASSERT_FALSE(replay.empty());
        EXPECT_EQ(replay[0].rfind(R"({"time":"2008-03-15T12:00:00",)", 0), 0u) << replay[0];
    }
}

// dump shows a file's records in file order; loading would reorder and merge them.
TEST_F(TrackCommandTest, DumpShowsPoiRecordsAsTheyStandAndWhatLoadingChanges) {
    int status = -1;
    const auto dump = RunTool("dump '" RQ_SOURCE_DIR "/tests/data/poi/load_changes.poi'", status);
    ASSERT_EQ(status, 0);
    const std::vector<std::string> expected = {
        R"({"kind":"poi","categories":3,"load_changes":["moves category \"General\" first",)"
        R"("merges the 2 records of category \"Cafes\" into one",)"
        R"("ignores the 3 bytes after the last record"]})",
        R"({"category":"Cafes","pois":1})",
        R"({"poi":"a","category":"Cafes","type":1,"lat":1,"lon":1})",
        R"({"category":"General","pois":1})",
        R"({"poi":"b","category":"General","type":2,"lat":2,"lon":2})",
        R"({"category":"Cafes","pois":1})",
        R"({"poi":"c","category":"Cafes","type":3,"lat":3,"lon":3})",
    };
    EXPECT_EQ(dump, expected);
    const auto golden = RunTool("dump '" RQ_SOURCE_DIR "/tests/data/poi/golden.poi'", status);
    ASSERT_EQ(status, 0);
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(golden[0], R"({"kind":"poi","categories":2,"load_changes":[]})");
    RunTool("dump '" RQ_SOURCE_DIR "/tests/data/malformed/poi/cut_in_third_poi.poi'", status);
    EXPECT_NE(status, 0);
}

}  // namespace
}  // namespace rq
