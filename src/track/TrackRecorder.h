// The track point decision made for every counted fix: a new head when the fix moved
// at least the segment threshold from the head, the length limit, and the
// turning-angle filter that thins straight stretches.
#pragma once

#include "geo/Coordinate.h"
#include "track/GpsTrack.h"
#include "track/RecordingSettings.h"

namespace rq {

// `fix` is the current fix (its longitude scale is the one used for the segment
// length); `courseOverGround` becomes the new head's course. Returns whether a point
// was added.
bool RecordTrackPoint(CGpsTrack& track, CCoordinate& fix, double courseOverGround,
                      const CRecordingSettings& settings);

}  // namespace rq
