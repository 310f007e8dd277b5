#include "keepers/SerialCom.h"

#include <cerrno>

#include "platform/PortMap.h"

namespace rq {

bool CSerialCom::Open(std::u16string_view name) {
    if (port_.IsOpen()) return false;
    std::optional<std::string> path = platform::ResolvePortName(name);
    if (!path) {
        lastError_ = ENOENT;
        return false;
    }
    lastResult_ = port_.Open(*path);
    if (!lastResult_) lastError_ = port_.LastError();
    return lastResult_;
}

bool CSerialCom::Configure(std::uint32_t baudRate, int byteSize, bool parityCheck, int parity,
                           int stopBits) {
    settings_ = {baudRate, byteSize, parityCheck, parity, stopBits};
    lastResult_ = port_.Configure(settings_);
    if (!lastResult_) lastError_ = port_.LastError();
    return lastResult_;
}

bool CSerialCom::SetTimeouts(std::uint32_t readInterval, std::uint32_t readTotalMultiplier,
                             std::uint32_t readTotalConstant, std::uint32_t writeTotalMultiplier,
                             std::uint32_t writeTotalConstant) {
    timeouts_ = {readInterval, readTotalMultiplier, readTotalConstant, writeTotalMultiplier,
                 writeTotalConstant};
    lastResult_ = port_.SetTimeouts(timeouts_);
    if (!lastResult_) port_.Close();
    return lastResult_;
}

std::size_t CSerialCom::Read(std::vector<char>& buffer, std::uint32_t& errors) {
    errors = 0;
    if (!port_.IsOpen()) return 0;
    std::size_t waiting = 0;
    if (!port_.ClearErrors(errors, waiting)) errors = 1;
    if (errors & kLineErrorFlags) return 0;
    errors = 0;
    if (waiting == 0) return 0;
    buffer.resize(waiting + 1);
    long got = port_.Read(buffer.data(), waiting);
    buffer[waiting] = 0;
    if (got <= 0) return 0;
    return static_cast<std::size_t>(got);
}

}  // namespace rq
