// Arbitrary baud rates through termios2. Kept apart because the kernel's termios
// header cannot be included beside the C library's.
#include <cstdint>

#ifdef __linux__
#include <asm/termbits.h>
#include <sys/ioctl.h>
#endif

namespace rq::platform {

bool SetCustomBaudRate(int fd, std::uint32_t baudRate) {
#ifdef __linux__
    struct termios2 tio;
    if (::ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~CBAUD;
    tio.c_cflag |= BOTHER;
    tio.c_ispeed = baudRate;
    tio.c_ospeed = baudRate;
    return ::ioctl(fd, TCSETS2, &tio) == 0;
#else
    (void)fd;
    (void)baudRate;
    return false;
#endif
}

}  // namespace rq::platform
