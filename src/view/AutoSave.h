// Saves what the exit sequence saves - the current track, the friend tracks and the
// position texts - once a minute while they are modified, so a crash or a killed
// process loses at most the last minute. The POI collections stay the user's own
// explicit save.
#pragma once

#include <cstdint>
#include <set>
#include <string>

namespace rq {

class CGpsViewData;

class CAutoSave {
public:
    static constexpr std::uint32_t kIntervalMs = 60000;

    // The minute counts from `now` (milliseconds of the tick counter). The crash test of
    // the program cannot wait minutes: ROAMQUILL_AUTOSAVE_MS, a whole number of
    // milliseconds below the minute, shortens it; anything else leaves the minute.
    void Start(std::uint32_t now);
    std::uint32_t IntervalMs() const { return m_interval; }
    // Called from a timer on the UI thread, as often as wanted: once a minute has passed
    // since the last save, saves what is modified, the same files the same way as at
    // exit; nothing before Start (the saved files are not read yet). A file whose save fails is
    // reported once, then retried quietly each minute until it succeeds, which re-arms the message.
    // Returns whether it was time to save.
    bool OnTimer(CGpsViewData& data, std::uint32_t now);

private:
    void Succeeded(const std::string& fileName) { m_reported.erase(fileName); }

    bool m_started = false;
    std::uint32_t m_last = 0;
    std::uint32_t m_interval = kIntervalMs;
    std::set<std::string> m_reported;
};

}  // namespace rq
