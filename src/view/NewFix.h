// The per-fix procedure: what the main view runs for every fix a GPS keeper posts.
#pragma once

#include "keepers/GpsPosition.h"
#include "track/RecordingSettings.h"

namespace rq {

class CGpsViewData;
class CCoordinate;

// What a fix refreshes on screen; the main view implements it over its controls.
class CFixDisplay {
public:
    virtual ~CFixDisplay() = default;
    virtual void RefreshInfoValues() = 0;
    virtual void CenterMap(const CCoordinate& at) = 0;
    virtual void RefreshDisplay() = 0;
};

// Makes `fix` the current fix, records a track point, updates the statistics and the
// navigation figures, then refreshes `display` (when given).
void OnNewFix(CGpsViewData& data, const CGpsPosition& fix, const CRecordingSettings& settings,
              CFixDisplay* display);

}  // namespace rq
