// The eighteen label/value/unit texts of the info panel, made from the current track
// and the unit mode. Some entries keep their previous texts when there is nothing new
// to show, so a refresh updates a list in place.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "track/GpsTrackInfo.h"

namespace rq {

struct CInfoPanelText {
    std::u16string label;
    std::u16string value;
    std::u16string unit;
    bool operator==(const CInfoPanelText&) const = default;
};

inline constexpr std::size_t kInfoPanelEntries = 18;
using CInfoPanelTexts = std::array<CInfoPanelText, kInfoPanelEntries>;

// The texts the panel is created with.
CInfoPanelTexts InitialInfoPanelTexts();
// Rewrites the texts from the track; `navigating` tells whether distance and time to
// the target exist.
void RefreshInfoPanelTexts(CInfoPanelTexts& texts, CGpsTrackInfo& track, bool navigating,
                           std::uint32_t unitMode);

}  // namespace rq
