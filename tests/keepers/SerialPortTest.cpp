#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "platform/SerialPort.h"

namespace rq::platform {
namespace {

// A hang-up is a line error: Receiver.HangUpIsPostedOnlyOnceThePortIsClosedAndRecordingStopped
// sees it through the serial keeper.
TEST(SerialPortTest, OpensConfiguresAndReadsWaitingBytes) {
    int master = -1, slave = -1;
    char name[128];
    ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
    ::close(slave);
    SerialPort port;
    ASSERT_TRUE(port.Open(name)) << port.LastError();
    EXPECT_FALSE(port.Open(name));
    for (std::uint32_t baud : {4800u, 9600u, 14400u, 19200u, 38400u, 57600u, 115200u}) {
        EXPECT_TRUE(IsSupportedBaudRate(baud)) << baud;
        EXPECT_TRUE(port.Configure({baud, 8, false, 0, kTwoStopBits})) << baud;
    }
    // The exclusive mode does not bind a privileged user, so only check when it opened.
    if (const int fd = ::open(name, O_RDONLY | O_NOCTTY); fd >= 0) {
        termios tio{};
        ASSERT_EQ(::tcgetattr(fd, &tio), 0);
        EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_TRUE(tio.c_cflag & CSTOPB);
        EXPECT_FALSE(tio.c_cflag & CRTSCTS);
        EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF));
        EXPECT_FALSE(tio.c_lflag & ICANON);
        ::close(fd);
    }
    EXPECT_TRUE(port.SetTimeouts({10, 10, 10, 10, 10}));
    std::uint32_t errors = 99;
    std::size_t waiting = 99;
    ASSERT_TRUE(port.ClearErrors(errors, waiting));
    EXPECT_EQ(errors + waiting, 0u);

    // Raw 8-bit: CR, LF and high bytes arrive unchanged.
    const std::string bytes = "$GPGGA,1\r\n\xB0\x00\x7F";
    ASSERT_EQ(::write(master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::usleep(50000);
    ASSERT_TRUE(port.ClearErrors(errors, waiting));
    EXPECT_EQ(errors, 0u);
    ASSERT_EQ(waiting, bytes.size());
    char buffer[64];
    ASSERT_EQ(port.Read(buffer, waiting), static_cast<long>(bytes.size()));
    EXPECT_EQ(std::string(buffer, bytes.size()), bytes);
    EXPECT_EQ(port.Read(buffer, sizeof buffer), 0);

    EXPECT_FALSE(port.Configure({1234, 8, false, 0, kOneStopBit}));
    EXPECT_FALSE(port.IsOpen());  // a failed setting closes the port
    EXPECT_FALSE(port.ClearErrors(errors, waiting));
    EXPECT_EQ(port.Read(buffer, 1), -1);
    port.Close();
    port.Close();
    ::close(master);
    EXPECT_FALSE(port.Open("/dev/no-such-serial-device"));
    EXPECT_NE(port.LastError(), 0);
}

}  // namespace
}  // namespace rq::platform
