#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace rq {
namespace {

TEST(CommandLine, Arguments) {
    const struct {
        std::vector<std::string> args;
        std::string dataDir;
        int width, height;
        bool help, error;
    } cases[] = {
        {{}, "", 480, 640, false, false},
        {{"--data-dir", "build/demo-data"}, "build/demo-data", 480, 640, false, false},
        {{"--screen", "240x320"}, "", 240, 320, false, false},
        {{"--screen", "640X480", "--data-dir", "/d"}, "/d", 640, 480, false, false},
        {{"--help"}, "", 480, 640, true, false},
        {{"--screen"}, "", 480, 640, false, true},
        {{"--data-dir"}, "", 480, 640, false, true},
        {{"--data-dir", ""}, "", 480, 640, false, true},
        {{"--screen", "240"}, "", 480, 640, false, true},
        {{"--screen", "x320"}, "", 480, 640, false, true},
        {{"--screen", "240x"}, "", 480, 640, false, true},
        {{"--screen", "-240x320"}, "", 480, 640, false, true},
        {{"--screen", "240x320px"}, "", 480, 640, false, true},
        {{"--screen", "10x10"}, "", 480, 640, false, true},
        {{"--screen", "99999x320"}, "", 480, 640, false, true},
        {{"--bogus"}, "", 480, 640, false, true},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const std::string& a : c.args) joined += a + " ";
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.dataDir, c.dataDir) << joined;
        EXPECT_EQ(line.screenWidth, c.width) << joined;
        EXPECT_EQ(line.screenHeight, c.height) << joined;
        EXPECT_EQ(line.help, c.help) << joined;
        EXPECT_EQ(!line.error.empty(), c.error) << joined;
    }
}

TEST(CommandLine, ReplayScreenshotQuit) {
    const CommandLine all = ParseCommandLine({"--replay", "a.nmea", "--speed", "8", "--screenshot",
                                              "s.png", "--after", "500", "--quit-after", "0"});
    EXPECT_TRUE(all.error.empty()) << all.error;
    EXPECT_EQ(all.replay, "a.nmea");
    EXPECT_EQ(all.speed, 8.0f);
    EXPECT_EQ(all.screenshot, "s.png");
    EXPECT_EQ(all.screenshotAfterMs, 500);
    EXPECT_EQ(all.quitAfterMs, 0);
    const CommandLine defaults = ParseCommandLine({"--replay", "a.nmea", "--screenshot", "s.png"});
    EXPECT_EQ(defaults.speed, 2.0f);
    EXPECT_EQ(defaults.screenshotAfterMs, 3000);
    EXPECT_EQ(defaults.quitAfterMs, -1);
    const std::vector<std::vector<std::string>> refused = {
        {"--replay", "a", "--speed", "0"},
        {"--replay", "a", "--speed", "-2"},
        {"--replay", "a", "--speed", "nan"},
        {"--replay", "a", "--speed", "1001"},
        {"--replay", "a", "--speed", "2x"},
        {"--speed", "2"},
        {"--screenshot", "s", "--after", "-1"},
        {"--after", "10"},
        {"--quit-after", "soon"},
        {"--replay"},
    };
    for (const auto& args : refused) {
        EXPECT_FALSE(ParseCommandLine(args).error.empty()) << args[0] << " " << args.back();
    }
}

}  // namespace
}  // namespace rq
