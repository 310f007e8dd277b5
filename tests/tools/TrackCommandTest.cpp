// roamquill-tool track, dump and gpx over a log of a straight walk north.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "support/CaseTable.h"
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
    for (const auto& row : test::CaseTable("tools/track-walk-north.txt")) {
        const std::string& options = row[0];
        const double points = std::stod(row[1]), segment = std::stod(row[2]);
        int status = -1;
        const std::string out = dir_.Path() + "walk.trk";
        const auto lines = RunTool("track '" + log_ + "' -o '" + out + "' " + options, status);
        ASSERT_EQ(status, 0) << options;
        ASSERT_EQ(lines.size(), 19u) << options;
        EXPECT_EQ(NumberAfter(lines[0], "points"), points) << options;
        EXPECT_NEAR(NumberAfter(lines[0], "mileage_m"), 300.0, 300.0 * 0.005) << options;
        EXPECT_EQ(NumberAfter(lines[0], "fixes"), 201) << options;
        EXPECT_EQ(lines[4], R"({"label":"Mileage","value":"300","unit":"m"})") << options;
        EXPECT_EQ(lines[18], R"({"label":"Duration","value":"00:03:20","unit":""})");

        const auto dump = RunTool("dump '" + out + "'", status);
        ASSERT_EQ(status, 0);
        ASSERT_GE(dump.size(), 1u + static_cast<std::size_t>(points));
        EXPECT_EQ(NumberAfter(dump[0], "points"), points);
        const double head = (NumberAfter(dump[1], "lat") - 48.0) * kMetresPerDegree;
        EXPECT_LE(head, 300.1) << options;
        EXPECT_GT(head, 300.0 - segment) << options;
    }
}

TEST_F(TrackCommandTest, GpxAndDumpOfTheGoldenFileAndBadArguments) {
    const std::string golden = RQ_SOURCE_DIR "/tests/data/trk/golden.trk";
    int status = -1;
    EXPECT_EQ(RunTool("dump '" + golden + "'", status),
              tooltest::ExpectedLines("dump-golden-trk.jsonl"));
    EXPECT_EQ(status, 0);
    const std::string gpx = dir_.Path() + "golden.gpx";
    RunTool("gpx '" + golden + "' -o '" + gpx + "'", status);
    ASSERT_EQ(status, 0);
    std::ifstream in(gpx);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("<name>Walk</name>"), std::string::npos);
    EXPECT_NE(text.find("<name>Milestone 1</name>"), std::string::npos);
    EXPECT_LT(text.find("lat=\"48.117300000\""), text.find("<trkpt lat=\"48.120000000\""));

    for (const std::string& bad : std::vector<std::string>{
             "dump '" RQ_SOURCE_DIR "/tests/data/malformed/trk/point-cut.trk'",
             "track '" + log_ + "' -o x.trk --max 1",
             "track '" + dir_.Path() + "none.nmea' -o '" + dir_.Path() + "x.trk'",
             "dump '" + log_ + "'" /* unknown kind */})
        EXPECT_TRUE(tooltest::Refused(bad)) << bad;
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
    EXPECT_EQ(dump, tooltest::ExpectedLines("dump-load-changes.jsonl"));
    EXPECT_EQ(RunTool("dump '" RQ_SOURCE_DIR "/tests/data/poi/golden.poi'", status),
              tooltest::ExpectedLines("dump-golden-poi.jsonl"));
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(tooltest::Refused("dump '" RQ_SOURCE_DIR
                                  "/tests/data/malformed/poi/cut_in_third_poi.poi'"));
}

}  // namespace
}  // namespace rq
