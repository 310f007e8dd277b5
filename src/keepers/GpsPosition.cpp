#include "keepers/GpsPosition.h"

#include "geo/Unset.h"

namespace rq {

void CGpsPosition::Reset() {
    platform::TimeValue keptTime = time;
    double keptScale = lonScale;
    *this = CGpsPosition();
    time = keptTime;
    lonScale = keptScale;
    m_lat.Set(kUnset);
    m_lon.Set(kUnset);
}

bool CGpsPosition::HasFix() const {
    auto inRange = [](double dop) { return dop >= 0.0 && dop <= 15.0; };
    return IsValid() && inRange(hdop) && inRange(vdop) && inRange(pdop) && fixMode >= 2 &&
           gpsQuality > 0;
}

}  // namespace rq
