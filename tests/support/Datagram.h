// A raw UDP datagram to a loopback address, as a foreign sender would send it, and the
// process's resident memory, for the flood tests of the WDP transport; a peer that
// listens on the SMS port of a loopback address and tells what reached it.
#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Wdp.h"

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

// Binds the transport to `address` for its lifetime and listens on port 2001 there (a
// failure to listen fails the test).
class DatagramListener {
public:
    explicit DatagramListener(const char* address) : saved_(platform::GetWdpSettings()) {
        platform::WdpSettings s = saved_;
        s.bindAddress = address;
        platform::SetWdpSettings(s);
        open_ = platform::WapOpen(platform::kWapLayerWdp, 2001, &rx_, &event_);
        EXPECT_TRUE(open_) << "cannot listen on " << address;
    }
    ~DatagramListener() {
        if (open_) platform::WapClose(rx_);
        platform::SetWdpSettings(saved_);
    }
    DatagramListener(const DatagramListener&) = delete;
    DatagramListener& operator=(const DatagramListener&) = delete;

    // The user data of every datagram that arrives with no more than `gapMs` between.
    std::vector<std::vector<std::uint8_t>> Received(int gapMs = 300) {
        std::vector<std::vector<std::uint8_t>> out;
        pollfd p{open_ ? event_->PollFd() : -1, POLLIN, 0};  // -1: nothing ever arrives
        std::size_t size = 0;
        while (poll(&p, 1, gapMs) == 1 && platform::WapGetNextPrimitiveSize(rx_, &size)) {
            std::vector<std::uint8_t> buffer(size);
            platform::WdpUnitData prim;
            if (!platform::WapRead(rx_, buffer.data(), size, prim)) break;
            out.emplace_back(prim.userData, prim.userData + prim.userDataSize);
        }
        return out;
    }

private:
    platform::WdpSettings saved_;
    platform::WapHandle rx_ = nullptr;
    platform::Waitable* event_ = nullptr;
    bool open_ = false;
};

}  // namespace rq::test
