// The JSON fields of one received or sent datagram.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tools/Json.h"

namespace rq::tool {

// "kind" (null when the datagram would be ignored), every decoded field, and "hex".
void AddMessageFields(JsonLine& line, const std::uint8_t* data, std::size_t size);

}  // namespace rq::tool
