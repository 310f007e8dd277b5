#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "support/TempFolder.h"
#include "tools/CommandOutput.h"

namespace rq {
namespace {

const std::string kEnvironment = "TZ=UTC ROAMQUILL_REGISTRY=/dev/null/none";

TEST(ReplayCommand, PrintsOneLinePerFixThenEnded) {
    if (!tooltest::ToolBuilt()) GTEST_SKIP();
    int status = -1;
    std::vector<std::string> lines = tooltest::RunTool(
        "replay '" RQ_SOURCE_DIR "/samples/demo.nmea' --fast", status, kEnvironment);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), 241u);
    EXPECT_EQ(lines.back(), R"({"event":"ended"})");
    lines.resize(2);
    EXPECT_EQ(lines, tooltest::ExpectedLines("replay-demo-first-two.jsonl"));
    for (const char* bad : {"replay /no/such.nmea", "replay", "replay x.nmea --speed 0"})
        EXPECT_TRUE(tooltest::Refused(bad, kEnvironment)) << bad;
}

TEST(SerialCommand, FixesThenConnectionLost) {
    if (!tooltest::ToolBuilt()) GTEST_SKIP();
    int master = -1, slave = -1;
    char name[128];
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    ::close(slave);
    // The tool must not inherit the far side, or closing it here would hang up nothing.
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    const test::TempFolder dir;
    const std::string record = dir / "record.nmea";
    // The receiver sends one fix, then goes away.
    std::thread receiver([master] {
        ::usleep(1500 * 1000);
        const char gga[] = "$GPGGA,140509,5130.1920,N,00009.1680,W,1,06,0.9,35.0,M,47.0,M,,*68\r\n";
        (void)!::write(master, gga, sizeof gga - 1);
        ::usleep(2500 * 1000);
        ::close(master);
    });
    int status = -1;
    std::vector<std::string> lines =
        tooltest::RunTool(std::string("serial ") + name + " --baud 9600 --record '" + record + "'",
                          status, kEnvironment);
    receiver.join();
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(R"("alt":35)"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], R"({"event":"connection-lost"})");
    EXPECT_EQ(test::ReadText(record).rfind("$GPGGA,140509", 0), 0u);

    for (const char* bad : {"serial /dev/no-such-tty", "serial COM1: --baud 1234"})
        EXPECT_TRUE(tooltest::Refused(bad, kEnvironment)) << bad;
}

}  // namespace
}  // namespace rq
