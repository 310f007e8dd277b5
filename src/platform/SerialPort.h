// A serial device over termios with the operations the receiver needs: open
// exclusively, configure (raw 8-bit), time-outs, clear errors with the count of bytes
// waiting, read, close. A hang-up or a removed device is reported as a line error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rq::platform {

// Line error flags, the device's values.
inline constexpr std::uint32_t kSerialRxOver = 0x0001;
inline constexpr std::uint32_t kSerialOverrun = 0x0002;
inline constexpr std::uint32_t kSerialParity = 0x0004;
inline constexpr std::uint32_t kSerialFrame = 0x0008;
inline constexpr std::uint32_t kSerialBreak = 0x0010;
inline constexpr std::uint32_t kSerialTxFull = 0x0100;
inline constexpr std::uint32_t kSerialIoError = 0x0400;
inline constexpr std::uint32_t kSerialMode = 0x8000;

// Stop-bits codes of the device's settings record.
inline constexpr int kOneStopBit = 0;
inline constexpr int kOne5StopBits = 1;
inline constexpr int kTwoStopBits = 2;

struct SerialSettings {
    std::uint32_t baudRate = 4800;
    int byteSize = 8;          // 5..8
    bool parityCheck = false;  // check incoming parity
    int parity = 0;            // 0 none, 1 odd, 2 even
    int stopBits = kOneStopBit;
};

struct SerialTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t writeTotalMultiplier = 0;
    std::uint32_t writeTotalConstant = 0;
};

class SerialPort {
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Fails when already open. Opens for reading and writing, shutting out other
    // users, and discards what the receive buffer holds. LastError() gives errno.
    bool Open(const std::string& devicePath);
    bool IsOpen() const { return fd_ >= 0; }
    // Raw mode, no flow control, no modem-control use; false for a baud rate the
    // system cannot set.
    bool Configure(const SerialSettings& settings);
    // Reads are done only for bytes already waiting, so the time-outs are kept for
    // the record; the line itself never blocks.
    bool SetTimeouts(const SerialTimeouts& timeouts);
    const SerialTimeouts& Timeouts() const { return timeouts_; }
    // Error flags of the line (a hang-up or device error becomes kSerialIoError) and
    // the number of bytes waiting. False when the state cannot be read.
    bool ClearErrors(std::uint32_t& errors, std::size_t& waiting);
    // Bytes read, or -1.
    long Read(void* buffer, std::size_t count);
    void Close();
    int LastError() const { return lastError_; }

private:
    int fd_ = -1;
    int lastError_ = 0;
    SerialTimeouts timeouts_;
};

// Whether termios (or the system's arbitrary-rate call) can set this rate.
bool IsSupportedBaudRate(std::uint32_t baudRate);

}  // namespace rq::platform
