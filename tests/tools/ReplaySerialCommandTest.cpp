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

std::vector<std::string> RunTool(const std::string& args, int& status) {
    return tooltest::RunTool(args, status, "TZ=UTC ROAMQUILL_REGISTRY=/dev/null/none");
}

TEST(ReplayCommand, PrintsOneLinePerFixThenEnded) {
    if (!tooltest::ToolBuilt()) GTEST_SKIP();
    int status = -1;
    std::vector<std::string> lines =
        RunTool("replay '" RQ_SOURCE_DIR "/samples/demo.nmea' --fast", status);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), 241u);
    EXPECT_EQ(lines.back(), R"({"event":"ended"})");
    const std::string& first = lines.front();
    for (const char* field :
         {R"("time":"2008-03-15T14:05:09")", R"("lat":51.5032)", R"("lon":-0.1528)", R"("alt":35)",
          R"("speed_kn":2.72)", R"("course":70)", R"("course_mag":72.5)", R"("hdop":0.9)",
          R"("vdop":1.4)", R"("pdop":1.7)", R"("fix_valid":1)", R"("quality":1)", R"("fix_mode":3)",
          R"("sel_mode":2)", R"("sats_used":6)", R"("sats_view":9)", R"("changed":8191)",
          R"({"prn":27,"el":55,"az":80,"snr":42)"})
        EXPECT_NE(first.find(field), std::string::npos) << field << " in " << first;
    EXPECT_NE(lines[1].find(R"("time":"2008-03-15T14:05:10")"), std::string::npos);

    RunTool("replay /no/such.nmea", status);
    EXPECT_NE(status, 0);
    RunTool("replay", status);
    EXPECT_NE(status, 0);
    RunTool("replay x.nmea --speed 0", status);
    EXPECT_NE(status, 0);
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
        RunTool(std::string("serial ") + name + " --baud 9600 --record '" + record + "'", status);
    receiver.join();
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find(R"("alt":35)"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], R"({"event":"connection-lost"})");
    EXPECT_EQ(test::ReadText(record).rfind("$GPGGA,140509", 0), 0u);

    RunTool("serial /dev/no-such-tty", status);
    EXPECT_NE(status, 0);
    RunTool("serial COM1: --baud 1234", status);
    EXPECT_NE(status, 0);
}

}  // namespace
}  // namespace rq
