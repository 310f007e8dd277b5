// A raw UDP datagram to a loopback address, as a foreign sender would send it, and the
// process's resident memory, for the flood tests of the WDP transport.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace rq::test {

inline void SendDatagram(const std::string& to, int port, const void* data, std::size_t size) {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, to.c_str(), &sa.sin_addr);
    sendto(fd, data, size, 0, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    close(fd);
}

inline long ResidentKiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace rq::test
