// The two milestone commands on the current track. Neither applies the length limit
// or the turning-angle filter.
#pragma once

#include <functional>

#include "geo/Coordinate.h"
#include "track/GpsTrack.h"

namespace rq {

// Asks through `confirm` (the Yes/No question 161); on Yes adds a milestone at `fix`
// with distance 0, so distances count again from here. Returns whether one was added.
bool AddInitialMilestone(CGpsTrack& track, const CCoordinate& fix,
                         const std::function<bool()>& confirm);
// Adds a milestone at `fix` continuing the head's distance, or marks the head itself
// when the fix is exactly there. Returns whether a point was added.
bool AddMilestone(CGpsTrack& track, CCoordinate& fix);

}  // namespace rq
