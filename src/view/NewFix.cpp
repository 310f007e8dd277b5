#include "view/NewFix.h"

#include "track/TrackRecorder.h"
#include "view/GpsViewData.h"
#include "view/Navigation.h"

namespace rq {

void OnNewFix(CGpsViewData& data, const CGpsPosition& fix, const CRecordingSettings& settings,
              CViewDisplay* display) {
    CGpsTrackInfo& track = data.track;
    // The assignment keeps the current fix's longitude scale: the scale of the first
    // course taken from it stays in use for the whole run.
    const CCoordinate kept(track.fix);
    track.fix = fix;
    if (!track.fix.IsValid()) {
        track.fix.m_lat.Set(kept.m_lat);
        track.fix.m_lon.Set(kept.m_lon);
    }
    track.SetModified(true);

    // The gate looks at the fix as it came: the current fix may hold the last known
    // position in place of a missing one, which is no position of this fix.
    if (fix.HasFix() && fix.changedMask != 0) {
        track.UpdateStartTime();
        RecordTrackPoint(track, track.fix, track.fix.course, settings);
        track.UpdateStatistics(data.lastFix);
        UpdateNavigation(data);
        ++track.fixCount;
    }

    if (!display) return;
    display->RefreshInfoValues();
    if (track.followFix && track.fix.IsValid()) display->CenterMap(track.fix);
    display->RefreshVisibleControl();
}

}  // namespace rq
