// What the display controls read of the main view's model. The model itself lives a
// layer above (view/); the controls see its members through references, named as the
// model names them, so `m_pData->track.fix` reads the same in either place. The model
// outlives every control and the members never move.
#pragma once

#include <cstdint>

#include "friends/PositionTextList.h"
#include "poi/PoiCollection.h"
#include "track/GpsRouteInfo.h"
#include "track/GpsTrackInfo.h"
#include "track/GpsTrackList.h"
#include "track/NavigationPoint.h"

namespace rq {

struct CControlModel {
    CGpsTrackInfo& track;
    CGpsRouteInfo& route;
    CGpsTrackList& friendTracks;
    CPoiCollection& localPois;
    CPositionTextList& positionTexts;
    CNavigationPoint& target;
    const std::uint32_t& navigating;
    const std::uint32_t& unitMode;  // 0 metric, 1 imperial, 2 nautical
};

}  // namespace rq
