#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <cstdio>

#include "app/Settings.h"
#include "platform/PortMap.h"
#include "support/AppTest.h"
#include "view/GpsCommands.h"

namespace rq {
namespace {

class GpsCommandsTest : public test::UiAppTest {};

TEST_F(GpsCommandsTest, ConnectAndDisconnect) {
    CCommKeeper keeper;
    // "Port" 1 maps to nothing here: the port does not open.
    platform::SetPortMapping(u"COM1:", "/dev/no-such-receiver");
    SetLastConnectionStatus(1);
    EXPECT_FALSE(ConnectGps(keeper, false));
    EXPECT_EQ(GetLastConnectionStatus(), 0u);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    // The message, then why: the device is not there.
    EXPECT_EQ(ui_.Messages()[0].text,
              u"Can not open gps port\n\nCOM1 is /dev/no-such-receiver, which does not exist "
              u"now: the receiver is unplugged, switched off or out of range. Connect it and "
              u"try again, or choose another port under Setup.");
    EXPECT_EQ(ui_.Messages()[0].icon, platform::MessageIcon::Error);
    EXPECT_FALSE(keeper.IsRunning());

    int master = -1, slave = -1;
    char name[128];
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    ::close(slave);
    SetPort(4);
    SetBoudrate(14400);
    platform::SetPortMapping(u"COM4:", name);
    ui_.ClearMessages();
    EXPECT_TRUE(ConnectGps(keeper, true));
    EXPECT_TRUE(ui_.Messages().empty());
    EXPECT_EQ(GetLastConnectionStatus(), 1u);
    EXPECT_TRUE(keeper.IsRunning());
    EXPECT_EQ(keeper.PortName(), u"COM4:");
    EXPECT_EQ(keeper.Port().Settings().baudRate, 14400u);
    EXPECT_EQ(keeper.Port().Settings().stopBits, platform::kTwoStopBits);
    // Auto record: a file of the default name in "logs".
    EXPECT_TRUE(keeper.IsRecording());
    std::vector<std::string> logs =
        platform::FindFiles(platform::JoinPath(platform::ProgramFolder(), "logs"), "*.nmea");
    EXPECT_EQ(logs.size(), 1u);

    DisconnectGps(keeper);
    EXPECT_FALSE(keeper.IsRunning());
    EXPECT_FALSE(keeper.IsRecording());
    EXPECT_FALSE(keeper.Port().IsOpen());
    EXPECT_EQ(GetLastConnectionStatus(), 0u);
    ::close(master);
}

TEST_F(GpsCommandsTest, PlayStopSpeedRepeat) {
    CFileKeeper player;
    EXPECT_FALSE(PlayGpsLog(player, "/no/such/log.nmea"));
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0].text, u"Error opening gps log file.");

    std::string demo = std::string(RQ_SOURCE_DIR) + "/samples/demo.nmea";
    ASSERT_TRUE(PlayGpsLog(player, demo));
    EXPECT_EQ(player.GetSpeed(), 2.0f);  // nothing stored
    EXPECT_TRUE(player.IsRunning());
    SetPlaySpeed(player, 16.0f);
    EXPECT_EQ(player.GetSpeed(), 16.0f);
    float stored = 0;
    EXPECT_TRUE(GetLogPlaySpeed(stored));
    EXPECT_EQ(stored, 16.0f);
    EXPECT_TRUE(StopGpsLog(player));
    EXPECT_FALSE(player.IsOpen());
    EXPECT_FALSE(player.IsRunning());

    ASSERT_TRUE(PlayGpsLog(player, demo));
    EXPECT_EQ(player.GetSpeed(), 16.0f);  // the stored speed
    EXPECT_TRUE(StopGpsLog(player));

    EXPECT_FALSE(player.GetRepeat());
    ToggleRepeat(player);
    EXPECT_TRUE(player.GetRepeat());
    EXPECT_EQ(GetRepeatGpsLog(), 1u);
    ToggleRepeat(player);
    EXPECT_EQ(GetRepeatGpsLog(), 0u);
    EXPECT_EQ(ui_.Messages().size(), 1u);
}

TEST_F(GpsCommandsTest, RecordingNamesAndFailures) {
    EXPECT_EQ(DefaultRecordingName({2008, 3, 15, 14, 5, 9}), u"2008-03-15_14-05-09");
    EXPECT_EQ(DefaultRecordingName({2026, 12, 31, 0, 0, 0}), u"2026-12-31_00-00-00");
    EXPECT_EQ(DefaultRecordingName().size(), 19u);

    CCommKeeper keeper;
    ASSERT_TRUE(StartGpsLogRecording(keeper, u"trip.nmea"));
    // The extension is always added, and "logs" is made when missing.
    EXPECT_TRUE(
        platform::PathExists(platform::JoinPath(platform::ProgramFolder(), "logs/trip.nmea.nmea")));
    EXPECT_FALSE(StartGpsLogRecording(keeper, u"other"));
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0].text, u"Failed to start recording GPS log, try again later.");
    EXPECT_TRUE(StopGpsLogRecording(keeper));
    EXPECT_FALSE(keeper.IsRecording());
    EXPECT_TRUE(StopGpsLogRecording(keeper));
    EXPECT_EQ(ui_.Messages().size(), 1u);
}

}  // namespace
}  // namespace rq
