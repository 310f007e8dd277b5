#include "view/ControlSetup.h"

namespace rq {

void SetUpControls(const DisplayProfile& profile, CGpsMapControl& map, CSatelliteControl& satellite,
                   CCompassControl& compass, CGpsInfoListControl& info) {
    map.ApplyDisplayProfile(profile);
    satellite.ApplyProfile(profile);
    compass.ApplyProfile(profile);
    map.m_messageIcon = {IconId::MessageMarker, 13, 11, true};
    info.m_crBackground = 0xFFFFFF;
    satellite.m_crBackground = 0xE6E6E6;
    compass.m_crBackground = 0xE6E6E6;
}

}  // namespace rq
