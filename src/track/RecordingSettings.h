// The three recording thresholds the main view holds and the filter reads per fix.
#pragma once

#include <cstdint>

namespace rq {

struct CRecordingSettings {
    std::uint32_t taThreshold = 10;       // "TA Threshold", degrees
    std::uint32_t tsThreshold = 6;        // "TS Threshold", metres
    std::uint32_t maxTrackPoints = 5000;  // "Maximum Track Segments"
};

// Reads "TA Threshold", "TS Threshold" and "Maximum Track Segments".
CRecordingSettings ReadRecordingSettings();
// Writes the three values; false when any write failed.
bool WriteRecordingSettings(const CRecordingSettings& settings);

}  // namespace rq
