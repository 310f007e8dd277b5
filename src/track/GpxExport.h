// A track as a GPX 1.1 document: its points oldest first as one track segment, its
// milestones and POIs as waypoints.
#pragma once

#include <string>
#include <string_view>

#include "track/GpsTrackInfo.h"

namespace rq {

// `name` names the track when it has neither a short name nor an owner.
std::string MakeGpx(const CGpsTrackInfo& track, std::string_view name);
// Text made safe for XML character data and attribute values.
std::string XmlEscape(std::u16string_view text);

}  // namespace rq
