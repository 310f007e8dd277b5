// Shared pieces of the fix sentences' plain-English renderings.
#pragma once

#include <string>
#include <string_view>

#include "nmea/LatLong.h"

namespace rq::nmea {

// "hhmmss.ss" as "hh:mm:ss"; other texts as they are.
void AppendTimeText(std::u16string& out, std::u16string_view utcTime);
// "4807.038 North, 01131.000 East" (the raw NMEA numbers).
void AppendPosition(std::u16string& out, const LATLONG& position);

}  // namespace rq::nmea
