#include "keepers/CommKeeper.h"

#include <memory>
#include <vector>

#include "keepers/SentenceCutter.h"
#include "nmea/Nmea0183.h"
#include "nmea/Response.h"

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

void CCommKeeper::Run() {
    CSentenceCutter cutter;
    auto parser = std::make_unique<NMEA0183>();
    std::uint32_t lastSentence = ticks_();
    std::uint32_t lastPost = 0;
    std::vector<char> buffer;
    std::u16string sentence;
    bool owns = AcquireRunning();
    bool lost = false;
    // Reset only once the record is ours: a worker that outlived its Stop may still
    // be writing it.
    if (owns) Position().Reset();
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
            if (ticks_() - lastSentence > kSilenceLimitMs) {
                lost = true;
                break;
            }
        } else {
            recorder_.Write(buffer.data(), got);
            cutter.Append(buffer.data(), got);
            bool stop = false;
            while (cutter.Cut(sentence)) {
                if (StopRequested()) {
                    stop = true;
                    break;
                }
                sentence += u"\r\n";
                parser->SetSentence(sentence);
                RESPONSE* response = parser->Parse();
                if (!response) continue;
                std::uint32_t now = ticks_();
                lastSentence = now;
                HandleSentence(*response);
                if (now - lastPost > kPostIntervalMs - 1) {
                    PostPosition();
                    lastPost = now;
                }
            }
            if (stop) break;
        }
        if (WaitForStop(pollIntervalMs_)) break;
    }
    recorder_.StopRecording();
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
