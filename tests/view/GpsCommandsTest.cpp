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
    EXPECT_TRUE(ConnectGps(keeper, true) && ui_.Messages().empty());
    EXPECT_EQ(std::tuple(GetLastConnectionStatus(), keeper.IsRunning(), keeper.PortName()),
              std::tuple(1u, true, u"COM4:"));
    const platform::SerialSettings& port = keeper.Port().Settings();
    EXPECT_EQ(std::tuple(port.baudRate, port.stopBits), std::tuple(14400u, platform::kTwoStopBits));
    // Auto record: a file of the default name in "logs".
    EXPECT_TRUE(keeper.IsRecording());
    EXPECT_EQ(platform::FindFiles(folder_ / "logs", "*.nmea").size(), 1u);

    DisconnectGps(keeper);
    EXPECT_EQ(std::tuple(keeper.IsRunning(), keeper.IsRecording(), keeper.Port().IsOpen(),
                         GetLastConnectionStatus()),
              std::tuple(false, false, false, 0u));
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
    EXPECT_TRUE(StopGpsLog(player));
    EXPECT_FALSE(player.IsOpen() || player.IsRunning());

    ASSERT_TRUE(PlayGpsLog(player, demo));
    EXPECT_EQ(player.GetSpeed(), 16.0f);  // the stored speed
    EXPECT_TRUE(StopGpsLog(player));

    EXPECT_FALSE(player.GetRepeat());
    ToggleRepeat(player);
    EXPECT_EQ(std::tuple(player.GetRepeat(), GetRepeatGpsLog()), std::tuple(true, 1u));
    ToggleRepeat(player);
    EXPECT_EQ(std::tuple(GetRepeatGpsLog(), ui_.Messages().size()), std::tuple(0u, 1u));
}

TEST_F(GpsCommandsTest, RecordingNamesAndFailures) {
    EXPECT_EQ(DefaultRecordingName({2008, 3, 15, 14, 5, 9}), u"2008-03-15_14-05-09");
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
