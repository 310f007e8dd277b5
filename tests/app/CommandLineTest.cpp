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

}  // namespace
}  // namespace rq
