// The receiver's serial port: a port name ("COM1:" through the port map, or a device
// path), its settings and time-outs, and the one read a poll makes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SerialPort.h"

namespace rq {

// Error flags that end a connection.
inline constexpr std::uint32_t kLineErrorFlags =
    platform::kSerialBreak | platform::kSerialFrame | platform::kSerialIoError |
    platform::kSerialMode | platform::kSerialOverrun | platform::kSerialRxOver |
    platform::kSerialTxFull | platform::kSerialParity;

class CSerialCom {
public:
    // Fails when already open or the name maps to no device.
    bool Open(std::u16string_view name);
    // On failure the port is closed.
    bool Configure(std::uint32_t baudRate, int byteSize, bool parityCheck, int parity,
                   int stopBits);
    bool SetTimeouts(std::uint32_t readInterval, std::uint32_t readTotalMultiplier,
                     std::uint32_t readTotalConstant, std::uint32_t writeTotalMultiplier,
                     std::uint32_t writeTotalConstant);
    // Everything waiting, into `buffer` (grown to the count plus a zero byte). Returns
    // the bytes read; 0 with `errors` set on a line error, 0 with no error when
    // nothing was waiting or the read failed.
    std::size_t Read(std::vector<char>& buffer, std::uint32_t& errors);
    void Close() { port_.Close(); }
    bool IsOpen() const { return port_.IsOpen(); }
    int LastError() const { return lastError_; }
    const platform::SerialSettings& Settings() const { return settings_; }

private:
    platform::SerialPort port_;
    platform::SerialSettings settings_;
    bool lastResult_ = false;
    int lastError_ = 0;
    platform::SerialTimeouts timeouts_;
};

}  // namespace rq
