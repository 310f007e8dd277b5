// roamquill-tool track, dump and gpx over a log of a straight walk north.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "tools/CommandOutput.h"

namespace rq {
namespace {

constexpr double kMetresPerDegree = 111200.162632;

using tooltest::RunTool;

double NumberAfter(const std::string& line, const std::string& key) {
    const std::string text = tooltest::JsonText(line, key);
    return text.empty() ? NAN : std::atof(text.c_str());
}

class TrackCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!tooltest::ToolBuilt()) GTEST_SKIP();
    }
    test::TempFolder dir_;
    // RMC, GGA and GSA once a second for 201 s, walking 1.5 m/s due north from 48 N.
    const std::string log_ = RQ_SOURCE_DIR "/tests/data/tools/walk-north.nmea";
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
