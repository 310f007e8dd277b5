// The eighteen items the main view puts into the info panel, and the refresh that
// writes the track's figures into them.
#pragma once

#include <array>
#include <cstdint>

#include "app/DisplayProfile.h"
#include "controls/GpsInfoListControl.h"
#include "track/InfoPanelTexts.h"

namespace rq {

using CInfoPanelItems = std::array<CInfoItem*, kInfoPanelEntries>;

// Appends the items in display order, with the profile's text sizes and their first
// texts.
CInfoPanelItems AddInfoPanelItems(CGpsInfoListControl& panel, const DisplayProfile& profile);

// Rewrites value and unit texts from the track; entries with nothing new keep theirs.
void RefreshInfoPanel(const CInfoPanelItems& items, CGpsTrackInfo& track, bool navigating,
                      std::uint32_t unitMode);

}  // namespace rq
