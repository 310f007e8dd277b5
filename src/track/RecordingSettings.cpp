#include "track/RecordingSettings.h"

#include "app/Settings.h"

namespace rq {

CRecordingSettings ReadRecordingSettings() {
    CRecordingSettings s;
    s.taThreshold = GetTaThreshold();
    s.tsThreshold = GetTsThreshold();
    s.maxTrackPoints = GetMaximumTrackSegments();
    return s;
}

bool WriteRecordingSettings(const CRecordingSettings& settings) {
    bool ok = SetTaThreshold(settings.taThreshold);
    ok = SetTsThreshold(settings.tsThreshold) && ok;
    ok = SetMaximumTrackSegments(settings.maxTrackPoints) && ok;
    return ok;
}

}  // namespace rq
