#include "track/GpsRouteInfo.h"

namespace rq {

CGpsRouteInfo::CGpsRouteInfo() = default;
CGpsRouteInfo::~CGpsRouteInfo() = default;

void ClearRoute(CGpsRouteInfo& route) {
    route.RemoveAll();
    route.pois.Clear();
}

}  // namespace rq
