#include "keepers/CommKeeper.h"

#include <memory>
#include <vector>

#include "nmea/Nmea0183.h"
#include "nmea/Response.h"
#include "platform/CachedLocalTime.h"

namespace rq {

CCommKeeper::CCommKeeper() : ticks_(platform::GetTickCount) {
    workerFunction_ = &Work;
}

CCommKeeper::~CCommKeeper() {
    StopAndJoin();
}

void CCommKeeper::SetTickSource(std::function<std::uint32_t()> ticks) {
    ticks_ = ticks;
    recorder_.SetTickSource(std::move(ticks));
}

bool CCommKeeper::OpenPort(std::u16string_view name, std::uint32_t baudRate, int byteSize,
                           bool parityCheck, int parity, int stopBits, std::uint32_t readInterval,
                           std::uint32_t readTotalMultiplier, std::uint32_t readTotalConstant,
                           std::uint32_t writeTotalMultiplier, std::uint32_t writeTotalConstant) {
    portName_ = name;
    return port_.Open(name) && port_.Configure(baudRate, byteSize, parityCheck, parity, stopBits) &&
           port_.SetTimeouts(readInterval, readTotalMultiplier, readTotalConstant,
                             writeTotalMultiplier, writeTotalConstant);
}

void CCommKeeper::Work(CKeeper& keeper) {
    static_cast<CCommKeeper&>(keeper).Run();
}

bool CCommKeeper::TakeBytes(const char* bytes, std::size_t count) {
    if (!parser_) {
        parser_ = std::make_unique<NMEA0183>();
        DecodeMergedTypesOnly(*parser_);
    }
    cutter_.Append(bytes, count);
    const platform::CZoneHold zone;  // one look at TZ for all the sentences of this read
    std::string_view sentence;
    while (cutter_.Cut(sentence)) {
        if (StopRequested()) return false;
        parser_->SetSentenceBytes(sentence);
        RESPONSE* response = parser_->Parse();
        if (!response) continue;
        std::uint32_t now = ticks_();
        lastSentence_ = now;
        HandleSentence(*response);
        if (now - lastPost_ > kPostIntervalMs - 1) {
            PostPosition();
            lastPost_ = now;
        }
    }
    return true;
}

void CCommKeeper::Run() {
    std::vector<char> buffer;
    bool owns = AcquireRunning();
    bool lost = false;
    // Reset only once the record and the line state are ours: a worker that outlived
    // its Stop may still be using them.
    if (owns) {
        Position().Reset();
        cutter_.Clear();
        parser_ = std::make_unique<NMEA0183>();
        DecodeMergedTypesOnly(*parser_);
        lastSentence_ = ticks_();
        lastPost_ = 0;
    }
    while (owns) {
        if (StopRequested()) break;
        std::uint32_t errors = 0;
        std::size_t got = port_.Read(buffer, errors);
        if (errors) {
            lost = true;
            break;
        }
        if (got == 0) {
            // Only a silent port counts: bytes that never parse keep the line up.
            if (ticks_() - lastSentence_ > kSilenceLimitMs) {
                lost = true;
                break;
            }
        } else {
            recorder_.Write(buffer.data(), got);
            if (!TakeBytes(buffer.data(), got)) break;
        }
        if (WaitForStop(pollIntervalMs_)) break;
    }
    recorder_.StopRecording();
    if (owns) {
        // Freed before the worker is unrecorded: the next one may start at once.
        parser_.reset();
        cutter_.Clear();
    }
    MarkEnded();
    port_.Close();
    // Told only now: a view that reconnects at once finds the port free and the
    // recording closed.
    if (lost) PostConnectionLost();
    SignalFinished(owns);
}

namespace {
std::unique_ptr<CCommKeeper>& Instance() {
    static std::unique_ptr<CCommKeeper> keeper;
    return keeper;
}
}  // namespace

CCommKeeper& GetCommKeeper() {
    if (!Instance()) Instance() = std::make_unique<CCommKeeper>();
    return *Instance();
}

void DeleteCommKeeper() {
    Instance().reset();
}

}  // namespace rq
