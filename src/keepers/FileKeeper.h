// The log player: a GPS keeper whose worker reads a recorded NMEA log line by line
// instead of a port, paced by the sentences' time field and a speed factor. To the
// main view it looks like a live receiver, with code 3 when the log ends.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "keepers/GpsKeeper.h"
#include "keepers/LogLineReader.h"

namespace rq {

class CFileKeeper : public CGpsKeeper {
public:
    // With deleteOnEnd the worker deletes the keeper when it ends; the program's one
    // player is not deleted so.
    explicit CFileKeeper(bool deleteOnEnd = false);
    ~CFileKeeper() override;

    // Closes an open log first.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return reader_.IsOpen(); }

    // Read by the worker at its next wait, so they may change during playback.
    // Factors of 0 or less are refused (the wait would have no length).
    void SetSpeed(float factor);
    float GetSpeed() const { return speed_.load(); }
    void SetRepeat(bool repeat) { repeat_ = repeat ? 1 : 0; }
    bool GetRepeat() const { return repeat_.load() != 0; }
    // No waits between fix seconds (batch replay).
    void SetFast(bool fast) { fast_ = fast; }

    // The wait after each fix second: 1000 / factor ms, a float division truncated.
    static std::uint32_t WaitMsForSpeed(float factor);

private:
    static void Work(CKeeper& keeper);
    void Play();

    bool deleteOnEnd_;
    CLogLineReader reader_;
    std::atomic<float> speed_{1.0f};
    std::atomic<int> repeat_{0};
    std::atomic<bool> fast_{false};
};

}  // namespace rq
