// The binary search of the decoder and manufacturer tables. It starts at the middle,
// moves the lower bound to the probe when the key is greater or equal and the upper
// bound otherwise, and gives up when the bounds meet or a probe counter, starting at
// max(10, count / 2 + 2), falls below zero.
#pragma once

#include <string_view>

namespace rq::nmea {

using KeyAt = std::u16string_view (*)(const void* table, int index);

// The index of `key`, or -1.
int BoundedSearch(std::u16string_view key, int count, const void* table, KeyAt keyAt);

}  // namespace rq::nmea
