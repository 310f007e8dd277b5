// The per-fix procedure: what the main view runs for every fix a GPS keeper posts.
#pragma once

#include "keepers/GpsPosition.h"
#include "track/RecordingSettings.h"
#include "view/ViewDisplay.h"

namespace rq {

class CGpsViewData;

// Makes `fix` the current fix, records a track point, updates the statistics and the
// navigation figures, then refreshes `display` (when given).
void OnNewFix(CGpsViewData& data, const CGpsPosition& fix, const CRecordingSettings& settings,
              CViewDisplay* display);

}  // namespace rq
