#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "platform/SerialPort.h"

namespace rq::platform {
namespace {

struct Pty {
    int master = -1;
    int slave = -1;
    std::string slavePath;
    Pty() {
        char name[128];
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0) slavePath = name;
        // The test's own slave descriptor would keep the line up after a hang-up.
        if (slave >= 0) ::close(slave);
    }
    ~Pty() {
        if (master >= 0) ::close(master);
    }
};

TEST(SerialPortTest, OpensConfiguresAndReadsWaitingBytes) {
    Pty pty;
    ASSERT_FALSE(pty.slavePath.empty());
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.slavePath)) << port.LastError();
    EXPECT_FALSE(port.Open(pty.slavePath));
    for (std::uint32_t baud : {4800u, 9600u, 14400u, 19200u, 38400u, 57600u, 115200u}) {
        EXPECT_TRUE(IsSupportedBaudRate(baud)) << baud;
        EXPECT_TRUE(port.Configure({baud, 8, false, 0, kTwoStopBits})) << baud;
    }
    termios tio{};
    int fd = ::open(pty.slavePath.c_str(), O_RDONLY | O_NOCTTY);
    // The exclusive mode does not bind a privileged user, so only check when it opened.
    if (fd >= 0) {
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
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(waiting, 0u);

    // Raw 8-bit: CR, LF and high bytes arrive unchanged.
    const std::string bytes = "$GPGGA,1\r\n\xB0\x00\x7F";
    ASSERT_EQ(::write(pty.master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
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
    port.Close();
    port.Close();
}

TEST(SerialPortTest, HangUpIsALineError) {
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.slavePath));
    ASSERT_TRUE(port.Configure({4800, 8, false, 0, kTwoStopBits}));
    ::close(pty.master);
    pty.master = -1;
    std::uint32_t errors = 0;
    std::size_t waiting = 0;
    bool ok = port.ClearErrors(errors, waiting);
    EXPECT_TRUE(!ok || (errors & kSerialIoError)) << errors;
    EXPECT_EQ(waiting, 0u);

    SerialPort missing;
    EXPECT_FALSE(missing.Open("/dev/no-such-serial-device"));
    EXPECT_NE(missing.LastError(), 0);
    EXPECT_FALSE(missing.ClearErrors(errors, waiting));
    EXPECT_EQ(missing.Read(&errors, 1), -1);
}

}  // namespace
}  // namespace rq::platform
