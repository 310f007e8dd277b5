// A saved track loaded for display beside the current one, with the POIs of its file.
// Its points keep the file's newest-first order, so the tail is where the trip began.
#pragma once

#include "poi/PoiCollection.h"
#include "track/GpsTrack.h"

namespace rq {

class CGpsRouteInfo : public CGpsTrack {
public:
    CGpsRouteInfo();
    ~CGpsRouteInfo() override;

    CPoiCollection pois;
};

// Removes every point and every category and POI of the route.
void ClearRoute(CGpsRouteInfo& route);

}  // namespace rq
