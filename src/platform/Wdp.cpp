#include "platform/Wdp.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/Text.h"

namespace rq::platform {

// How a datagram names its sender: UDP only tells the source IP, but peers know each
// other by number, so every datagram this layer sends starts with a small envelope
// holding the sender's own number:
//   "WDP" 0x01, u8 unit count n (at most 63), n UTF-16LE units, then the user data.
// A datagram without the envelope (sent by some other tool) is taken whole as user data
// and its source address is the source IP in dotted form.
namespace {
constexpr std::uint8_t kEnvelopeMagic[4] = {'W', 'D', 'P', 1};
constexpr std::size_t kEnvelopeFixed = 5;

std::mutex& SettingsMutex() {
    static std::mutex m;
    return m;
}
WdpSettings& Settings() {
    static WdpSettings s;
    return s;
}

bool ParseIpv4(const std::string& text, in_addr& out) {
    return !text.empty() && inet_pton(AF_INET, text.c_str(), &out) == 1;
}

int OpenSocket(const std::string& bindAddress, std::uint32_t port, bool shared) {
    in_addr ip{};
    if (port > 0xFFFF || !ParseIpv4(bindAddress, ip)) return -1;
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (shared) {
        // The sending port is opened and closed for every datagram; letting it be bound
        // again at once keeps quick successive sends from failing.
        const int one = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    }
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    sa.sin_addr = ip;
    if (bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

class SocketEvent : public Waitable {
public:
    explicit SocketEvent(int fd) : fd_(fd) {}
    int PollFd() const override { return fd_; }

private:
    int fd_;
};
}  // namespace

struct WapSession {
    int fd = -1;
    std::uint32_t localPort = 0;
    std::u16string ownNumber;
    SocketEvent event{-1};
};

bool SetWapAddress(WapAddress& field, std::uint32_t type, std::u16string_view text) {
    field = WapAddress{};
    if (text.size() >= kWapAddressUnits) return false;
    field.type = type;
    std::copy(text.begin(), text.end(), field.address);
    return true;
}

std::u16string WapAddressText(const WapAddress& field) {
    std::size_t n = 0;
    while (n < kWapAddressUnits && field.address[n] != 0) ++n;
    return std::u16string(field.address, n);
}

WdpSettings GetWdpSettings() {
    std::lock_guard<std::mutex> lock(SettingsMutex());
    return Settings();
}

void SetWdpSettings(WdpSettings settings) {
    std::lock_guard<std::mutex> lock(SettingsMutex());
    Settings() = std::move(settings);
}

std::optional<std::string> ResolveNumber(const WdpSettings& settings, std::u16string_view number) {
    if (settings.directory) {
        if (auto found = settings.directory(number)) {
            in_addr ip{};
            if (ParseIpv4(*found, ip)) return found;
        }
    }
    const std::string direct = ToUtf8(number);
    in_addr ip{};
    if (ParseIpv4(direct, ip)) return direct;
    return std::nullopt;
}

bool WapOpen(std::uint32_t layer, std::uint32_t localPort, WapHandle* handle,
             Waitable** messageEvent) {
    if (handle) *handle = nullptr;
    if (messageEvent) *messageEvent = nullptr;
    if (layer != kWapLayerWdp || handle == nullptr) return false;
    const WdpSettings settings = GetWdpSettings();
    // Only the sending port 2000 is shared; a receiving port belongs to one handle so that
    // two instances on one address are refused rather than splitting the traffic.
    const int fd = OpenSocket(settings.bindAddress, localPort, localPort == 2000);
    if (fd < 0) return false;
    auto* s = new WapSession;
    s->fd = fd;
    s->localPort = localPort;
    s->ownNumber = settings.ownNumber.empty() ? FromUtf8(settings.bindAddress) : settings.ownNumber;
    s->event = SocketEvent(fd);
    *handle = s;
    if (messageEvent) *messageEvent = &s->event;
    return true;
}

bool WapSend(WapHandle handle, const WdpUnitData& p) {
    if (handle == nullptr || p.primitiveId != kWapPrimitiveUnitData ||
        p.primitiveType != kWapPrimitiveRequest)
        return false;
    const std::uint32_t needed = kWapFieldDestinationAddress | kWapFieldDestinationPort;
    if ((p.validFields & needed) != needed || p.destinationPort > 0xFFFF) return false;
    if ((p.validFields & kWapFieldUserData) && p.userData == nullptr && p.userDataSize != 0)
        return false;

    const auto target = ResolveNumber(GetWdpSettings(), WapAddressText(p.destination));
    in_addr ip{};
    if (!target || !ParseIpv4(*target, ip)) return false;

    const std::u16string& own = handle->ownNumber;
    const std::size_t units = std::min(own.size(), kWapAddressUnits - 1);
    const std::uint32_t dataSize = (p.validFields & kWapFieldUserData) ? p.userDataSize : 0;
    std::vector<std::uint8_t> datagram(kEnvelopeFixed + units * 2 + dataSize);
    std::memcpy(datagram.data(), kEnvelopeMagic, 4);
    datagram[4] = static_cast<std::uint8_t>(units);
    for (std::size_t i = 0; i < units; ++i) {
        datagram[kEnvelopeFixed + 2 * i] = static_cast<std::uint8_t>(own[i]);
        datagram[kEnvelopeFixed + 2 * i + 1] = static_cast<std::uint8_t>(own[i] >> 8);
    }
    if (dataSize) std::memcpy(datagram.data() + kEnvelopeFixed + units * 2, p.userData, dataSize);

    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(static_cast<std::uint16_t>(p.destinationPort));
    sa.sin_addr = ip;
    const ssize_t sent = sendto(handle->fd, datagram.data(), datagram.size(), MSG_NOSIGNAL,
                                reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    return sent == static_cast<ssize_t>(datagram.size());
}

bool WapGetNextPrimitiveSize(WapHandle handle, std::size_t* size) {
    if (handle == nullptr || size == nullptr) return false;
    std::uint8_t probe;
    const ssize_t n = recv(handle->fd, &probe, 1, MSG_PEEK | MSG_TRUNC | MSG_DONTWAIT);
    if (n < 0) return false;
    *size = static_cast<std::size_t>(n);
    return true;
}

bool WapRead(WapHandle handle, std::uint8_t* buffer, std::size_t size, WdpUnitData& p) {
    p = WdpUnitData{};
    if (handle == nullptr || (buffer == nullptr && size != 0)) return false;
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
    std::uint8_t none;
    // MSG_TRUNC reports the datagram's whole length, so a primitive larger than the
    // buffer is seen (and dropped: the read removed it).
    const ssize_t n = recvfrom(handle->fd, size ? buffer : &none, size, MSG_TRUNC | MSG_DONTWAIT,
                               reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (n < 0 || static_cast<std::size_t>(n) > size) return false;
    const std::size_t length = static_cast<std::size_t>(n);

    std::size_t dataAt = 0;
    std::u16string source;
    if (length >= kEnvelopeFixed && std::memcmp(buffer, kEnvelopeMagic, 4) == 0 &&
        buffer[4] < kWapAddressUnits && kEnvelopeFixed + buffer[4] * 2u <= length) {
        for (std::size_t i = 0; i < buffer[4]; ++i)
            source.push_back(static_cast<char16_t>(buffer[kEnvelopeFixed + 2 * i] |
                                                   buffer[kEnvelopeFixed + 2 * i + 1] << 8));
        dataAt = kEnvelopeFixed + buffer[4] * 2u;
    } else {
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
        source = Widen(text);
    }

    p.primitiveId = kWapPrimitiveUnitData;
    p.primitiveType = kWapPrimitiveIndication;
    p.validFields = kWapFieldSourceAddress | kWapFieldSourcePort | kWapFieldDestinationAddress |
                    kWapFieldDestinationPort;
    SetWapAddress(p.source, kWapAddressGsm, source);
    p.sourcePort = ntohs(from.sin_port);
    SetWapAddress(p.destination, kWapAddressGsm, handle->ownNumber.substr(0, kWapAddressUnits - 1));
    p.destinationPort = handle->localPort;
    if (length > dataAt) {
        p.validFields |= kWapFieldUserData;
        p.userData = buffer + dataAt;
        p.userDataSize = static_cast<std::uint32_t>(length - dataAt);
    }
    return true;
}

void WapClose(WapHandle handle) {
    if (handle == nullptr) return;
    close(handle->fd);
    delete handle;
}

}  // namespace rq::platform
