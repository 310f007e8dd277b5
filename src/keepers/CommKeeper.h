// The live receiver: a GPS keeper that polls a serial port once a second, cuts the
// bytes into sentences, merges them into the fix, posts it at most once a second,
// records the raw bytes when asked, and reports a lost connection.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "keepers/GpsKeeper.h"
#include "keepers/LogRecorder.h"
#include "keepers/SentenceCutter.h"
#include "keepers/SerialCom.h"

namespace rq {

class NMEA0183;

class CCommKeeper : public CGpsKeeper {
public:
    static constexpr std::uint32_t kPollIntervalMs = 1000;
    static constexpr std::uint32_t kSilenceLimitMs = 30000;
    static constexpr std::uint32_t kPostIntervalMs = 1000;

    CCommKeeper();
    ~CCommKeeper() override;

    // Stores the name, opens, configures and sets the time-outs; true only when all
    // three succeed.
    bool OpenPort(std::u16string_view name, std::uint32_t baudRate, int byteSize, bool parityCheck,
                  int parity, int stopBits, std::uint32_t readInterval,
                  std::uint32_t readTotalMultiplier, std::uint32_t readTotalConstant,
                  std::uint32_t writeTotalMultiplier, std::uint32_t writeTotalConstant);
    void ClosePort() { port_.Close(); }
    const std::u16string& PortName() const { return portName_; }
    CSerialCom& Port() { return port_; }

    bool StartRecording(const std::string& path) { return recorder_.StartRecording(path); }
    bool StopRecording() { return recorder_.StopRecording(); }
    bool IsRecording() const { return recorder_.IsRecording(); }

    // For tests: a tick source and a shorter poll interval; set before Start.
    void SetTickSource(std::function<std::uint32_t()> ticks);
    void SetPollInterval(std::uint32_t ms) { pollIntervalMs_ = ms; }

    // The worker's handling of one read: every complete sentence is cut, parsed and
    // merged into the fix record, which is posted at most once a second. False when a
    // stop was requested between two sentences. Public so that the whole road from
    // bytes to the fix can be measured without a port.
    bool TakeBytes(const char* bytes, std::size_t count);

private:
    static void Work(CKeeper& keeper);
    void Run();

    std::u16string portName_;
    CSerialCom port_;
    std::uint32_t pollIntervalMs_ = kPollIntervalMs;
    std::function<std::uint32_t()> ticks_;
    CLogRecorder recorder_;
    // The worker's line state, kept from one read to the next.
    CSentenceCutter cutter_;
    std::unique_ptr<NMEA0183> parser_;
    std::uint32_t lastSentence_ = 0;
    std::uint32_t lastPost_ = 0;
};

// The program's one serial keeper, created on first use; the main view deletes it
// when it is destroyed.
CCommKeeper& GetCommKeeper();
void DeleteCommKeeper();

}  // namespace rq
