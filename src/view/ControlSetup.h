// The display controls' looks as the main view gives them at creation: the profile's
// text sizes, the backgrounds and the map's message icon. The render tool sets its
// controls up the same way, so its pictures show what the program shows.
#pragma once

#include "app/DisplayProfile.h"
#include "controls/CompassControl.h"
#include "controls/GpsInfoListControl.h"
#include "controls/GpsMapControl.h"
#include "controls/SatelliteControl.h"

namespace rq {

void SetUpControls(const DisplayProfile& profile, CGpsMapControl& map, CSatelliteControl& satellite,
                   CCompassControl& compass, CGpsInfoListControl& info);

}  // namespace rq
