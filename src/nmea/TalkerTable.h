// The talker identifiers of NMEA 0183 and the devices they stand for.
#pragma once

#include <string>
#include <string_view>

namespace rq {

// The standard description, or "Unknown - " followed by the identifier.
std::u16string ExpandTalkerId(std::u16string_view id);

}  // namespace rq
