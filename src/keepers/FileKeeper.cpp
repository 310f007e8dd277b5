#include "keepers/FileKeeper.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "geo/Unset.h"
#include "nmea/Nmea0183.h"
#include "nmea/Response.h"
#include "platform/Text.h"

namespace rq {

namespace {

double ScanTime(const std::u16string& text) {
    double value = kUnset;
    std::string bytes = platform::ToUtf8(text);
    if (std::sscanf(bytes.c_str(), "%lf", &value) != 1) value = kUnset;
    return value;
}

}  // namespace

CFileKeeper::CFileKeeper(bool deleteOnEnd) : deleteOnEnd_(deleteOnEnd) {
    workerFunction_ = &Work;
}

CFileKeeper::~CFileKeeper() {
    StopAndJoin();
}

bool CFileKeeper::Open(const std::string& path) {
    return reader_.Open(path);
}

void CFileKeeper::Close() {
    reader_.Close();
}

void CFileKeeper::SetSpeed(float factor) {
    if (factor > 0.0f && std::isfinite(factor)) speed_ = factor;
}

std::uint32_t CFileKeeper::WaitMsForSpeed(float factor) {
    const float ms = 1000.0f / factor;
    // A tiny factor (a damaged stored speed) gives more than a tick count holds; the
    // conversion would be undefined, in practice a wrapped or zero wait.
    if (!(ms < 4294967296.0f)) return platform::kInfinite - 1;
    return ms > 0.0f ? static_cast<std::uint32_t>(ms) : 0;
}

void CFileKeeper::Work(CKeeper& keeper) {
    static_cast<CFileKeeper&>(keeper).Play();
}

// One second of the log (the sentences sharing one time value) is applied, then
// posted, then the player waits 1000 / speed ms before the next second. Sentences
// without a time field are applied as they come and never post or wait.
void CFileKeeper::Play() {
    double previousTime = 0;
    // A second is pending from its first time-bearing sentence until it is posted:
    // the record is not posted before anything was applied, and the last second of
    // the log is posted when the log ends.
    bool secondPending = false;
    bool stopped = false;
    bool owns = AcquireRunning();
    if (owns) {
        Position().Reset();  // once the record is ours
        auto parser = std::make_unique<NMEA0183>();
        std::u16string line;
        bool linesThisPass = false;
        for (;;) {
            if (StopRequested()) {
                stopped = true;
                break;
            }
            if (reader_.ReadLine(line)) {
                linesThisPass = true;
            } else {
                // An empty log would spin for ever with repeat on.
                if (!repeat_.load() || !linesThisPass || !reader_.Rewind()) break;
                linesThisPass = false;
                line.clear();
            }
            if (StopRequested()) {
                stopped = true;
                break;
            }
            line += u"\r\n";
            parser->SetSentence(line);
            RESPONSE* response = parser->Parse();
            if (!response) continue;
            std::u16string timeText = platform::Trim(response->utcTime);
            if (!timeText.empty()) {
                double time = ScanTime(timeText);
                // The first time opens the first second whatever its value: measured
                // from a start of 0, a log beginning below 0.9 would merge its first
                // two seconds.
                if (!secondPending || std::fabs(time - previousTime) >= 0.9) {
                    if (secondPending) {
                        PostPosition();
                        if (fast_.load() ? StopRequested()
                                         : WaitForStop(WaitMsForSpeed(speed_.load()))) {
                            stopped = true;
                            break;
                        }
                    }
                    previousTime = time;
                    secondPending = true;
                }
            }
            HandleSentence(*response);
        }
    }
    if (owns && secondPending && !stopped) PostPosition();
    reader_.Close();
    MarkEnded();
    PostSourceEnded();
    if (deleteOnEnd_) {
        // The mutex is part of this object: release it before the object goes.
        DetachFromWorker();
        SignalFinished(owns);
        delete this;
        return;
    }
    SignalFinished(owns);
}

}  // namespace rq
