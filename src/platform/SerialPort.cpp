#include "platform/SerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace rq::platform {

// Rates without a termios constant (14400 on Linux) go through termios2.
bool SetCustomBaudRate(int fd, std::uint32_t baudRate);

namespace {

bool StandardSpeed(std::uint32_t baudRate, speed_t& speed) {
    switch (baudRate) {
        case 1200:
            speed = B1200;
            return true;
        case 2400:
            speed = B2400;
            return true;
        case 4800:
            speed = B4800;
            return true;
        case 9600:
            speed = B9600;
            return true;
        case 19200:
            speed = B19200;
            return true;
        case 38400:
            speed = B38400;
            return true;
        case 57600:
            speed = B57600;
            return true;
        case 115200:
            speed = B115200;
            return true;
        case 230400:
            speed = B230400;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool IsSupportedBaudRate(std::uint32_t baudRate) {
    speed_t speed;
    if (StandardSpeed(baudRate, speed)) return true;
#ifdef __linux__
    return baudRate == 14400;
#else
    return false;
#endif
}

SerialPort::~SerialPort() {
    Close();
}

bool SerialPort::Open(const std::string& devicePath) {
    if (fd_ >= 0) {
        lastError_ = EBUSY;
        return false;
    }
    int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastError_ = errno;
        return false;
    }
    // Exclusive use: an advisory lock against other programs that lock, and the
    // terminal's own exclusive mode against plain opens.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        lastError_ = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return false;
    }
    if (::isatty(fd)) {
        ::ioctl(fd, TIOCEXCL);
        ::tcflush(fd, TCIFLUSH);
    }
    fd_ = fd;
    lastError_ = 0;
    return true;
}

bool SerialPort::Configure(const SerialSettings& settings) {
    if (fd_ < 0) {
        lastError_ = EBADF;
        return false;
    }
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) {
        lastError_ = errno;
        Close();
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNPAR | PARMRK);
    if (settings.parityCheck) tio.c_iflag |= INPCK;
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CREAD | CLOCAL;
    switch (settings.byteSize) {
        case 5:
            tio.c_cflag |= CS5;
            break;
        case 6:
            tio.c_cflag |= CS6;
            break;
        case 7:
            tio.c_cflag |= CS7;
            break;
        default:
            tio.c_cflag |= CS8;
            break;
    }
    if (settings.parity == 1)
        tio.c_cflag |= PARENB | PARODD;
    else if (settings.parity == 2)
        tio.c_cflag |= PARENB;
    // termios knows one or two stop bits; one and a half is sent as two.
    if (settings.stopBits != kOneStopBit) tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    speed_t speed;
    bool standard = StandardSpeed(settings.baudRate, speed);
    if (standard) {
        ::cfsetispeed(&tio, speed);
        ::cfsetospeed(&tio, speed);
    } else if (!IsSupportedBaudRate(settings.baudRate)) {
        lastError_ = EINVAL;
        Close();
        return false;
    }
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) {
        lastError_ = errno;
        Close();
        return false;
    }
    if (!standard && !SetCustomBaudRate(fd_, settings.baudRate)) {
        lastError_ = errno;
        Close();
        return false;
    }
    return true;
}

bool SerialPort::SetTimeouts(const SerialTimeouts& timeouts) {
    if (fd_ < 0) {
        lastError_ = EBADF;
        return false;
    }
    timeouts_ = timeouts;
    return true;
}

bool SerialPort::ClearErrors(std::uint32_t& errors, std::size_t& waiting) {
    errors = 0;
    waiting = 0;
    if (fd_ < 0) return false;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0) return false;
    if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) errors |= kSerialIoError;
    int count = 0;
    if (::ioctl(fd_, FIONREAD, &count) != 0) return false;
    waiting = count > 0 ? static_cast<std::size_t>(count) : 0;
    // Bytes still waiting are handed out before the hang-up is reported.
    if (waiting > 0) errors &= ~kSerialIoError;
    return true;
}

long SerialPort::Read(void* buffer, std::size_t count) {
    if (fd_ < 0) return -1;
    ssize_t n;
    do {
        n = ::read(fd_, buffer, count);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        lastError_ = errno;
        return errno == EAGAIN ? 0 : -1;
    }
    return static_cast<long>(n);
}

void SerialPort::Close() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace rq::platform
