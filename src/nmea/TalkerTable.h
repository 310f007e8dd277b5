// The talker identifiers of NMEA 0183 and the devices they stand for.
#pragma once

#include <string>
#include <string_view>

namespace rq {

// The standard description, or "Unknown - " followed by the identifier.
std::u16string ExpandTalkerId(std::u16string_view id);
// The standard description, or nullptr for an identifier the table does not hold.
const char16_t* TalkerDescription(std::u16string_view id);
// ExpandTalkerId into `out`, from a description TalkerDescription gave.
void AssignTalkerText(std::u16string& out, std::u16string_view id, const char16_t* description);

}  // namespace rq
