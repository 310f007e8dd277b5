#include "view/Navigation.h"

#include <limits>

#include "app/Settings.h"
#include "view/GpsViewData.h"

namespace rq {

void SetNavigationTarget(CGpsViewData& data, const CCoordinate& at, std::u16string_view name) {
    data.target.m_lat.Set(at.m_lat);
    data.target.m_lon.Set(at.m_lon);
    data.target.name = name;
    data.navigating = 1;
}

void StopNavigation(CGpsViewData& data) {
    data.navigating = 0;
}

bool SaveNavigation(const CGpsViewData& data) {
    return SetNavigation(data.target, data.target.name, data.navigating);
}

void UpdateNavigation(CGpsViewData& data) {
    if (!data.navigating) return;
    CGpsTrackInfo& track = data.track;
    const CCourseFlat c = data.target.FlatCourseFrom(track.fix);
    track.navDistance = c.distance;
    const double speed = track.fix.speed * kKnotsToKmh;
    track.etaSeconds = 0;
    if (speed > 0) {
        // A crawl would give more seconds than the field holds; keep the largest.
        const double eta = c.distance / (speed * kKmhToMetresPerSecond);
        track.etaSeconds = eta >= 2147483647.0 ? std::numeric_limits<std::int32_t>::max()
                                               : static_cast<std::int32_t>(eta);
    }
    if (c.distance <= kArrivalDistance) data.navigating = 0;
}

bool IsFollowingFriend(const CGpsViewData& data, const CGpsTrackInfo& friendTrack) {
    return data.navigating && !friendTrack.IsEmpty() && data.target.IsSamePosition(friendTrack.fix);
}

void FollowFriend(CGpsViewData& data, const CGpsTrackInfo& friendTrack,
                  const CCoordinate& newPosition) {
    if (!IsFollowingFriend(data, friendTrack)) return;
    data.target.m_lat.Set(newPosition.m_lat);
    data.target.m_lon.Set(newPosition.m_lon);
}

}  // namespace rq
