// The one "no value" marker of the program: angles, NMEA number fields and altitude
// extremes hold -987654321.123 when nothing is known.
#pragma once

#include <cmath>
#include <cstdint>

namespace rq {

inline constexpr double kUnset = -987654321.123;
// The 32-bit form of the marker (an unreadable hexadecimal checksum field).
inline constexpr std::uint32_t kUnset32 = 0xC521974Fu;

// NMEA fields count as unset when within a millionth of the marker; angles compare
// with the marker exactly.
inline bool IsUnset(double value) {
    return std::fabs(value - kUnset) < 0.000001;
}

}  // namespace rq
