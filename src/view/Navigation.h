// Navigation to one target point: set, stop, and the per-fix distance and time to go.
#pragma once

#include <string_view>

#include "geo/Coordinate.h"
#include "track/GpsTrackInfo.h"
#include "track/NavigationPoint.h"

namespace rq {

class CGpsViewData;

inline constexpr double kArrivalDistance = 50.0;  // metres

// Copies the position into the target (keeping the target's longitude scale), names
// it and switches navigation on.
void SetNavigationTarget(CGpsViewData& data, const CCoordinate& at, std::u16string_view name);
void StopNavigation(CGpsViewData& data);
// Writes the target, its name and the navigation status to the settings at once, so a
// run that ends without the exit sequence still starts with them; false when a write
// failed.
bool SaveNavigation(const CGpsViewData& data);
// Distance and estimated time from the current fix to the target; arriving within
// 50 metres ends navigation.
void UpdateNavigation(CGpsViewData& data);

// A friend's position is about to change from `oldFix` to `newPosition`: navigation
// that targets the friend's old fix moves with it. Call before updating the fix.
void FollowFriend(CGpsViewData& data, const CGpsTrackInfo& friendTrack,
                  const CCoordinate& newPosition);
// Whether FollowFriend would move the target; for callers that update the fix first.
bool IsFollowingFriend(const CGpsViewData& data, const CGpsTrackInfo& friendTrack);

}  // namespace rq
