// The model the main view owns and every display control reads through a pointer.
#pragma once

#include <cstdint>

#include "friends/PositionTextList.h"
#include "geo/Coordinate.h"
#include "poi/PoiCollection.h"
#include "track/GpsRouteInfo.h"
#include "track/GpsTrackInfo.h"
#include "track/GpsTrackList.h"
#include "track/NavigationPoint.h"

namespace rq {

class CGpsViewData {
public:
    CGpsTrackInfo track;
    CGpsRouteInfo route;
    CGpsTrackList friendTracks;
    CPoiCollection localPois;
    CPositionTextList positionTexts;
    CNavigationPoint target;
    std::uint32_t navigating = 0;
    std::uint32_t autoRecord = 0;
    // The most recently received friend position, position text or POI; unset until one
    // arrives.
    CCoordinate lastPosition;
    std::uint32_t unitMode = 0;  // 0 metric, 1 imperial, 2 nautical

    // Speed and altitude of the previous counted fix, kept for the whole run.
    CLastFixValues lastFix;
};

}  // namespace rq
