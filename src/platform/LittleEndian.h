// Packed little-endian records are read and written field by field at their offsets,
// never by overlaying a struct, so the host's layout and byte order do not matter.
// Callers check every length before they read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace rq::platform {

void PutU32(std::uint8_t* at, std::uint32_t value);
void PutU16(std::uint8_t* at, std::uint16_t value);
void PutF32(std::uint8_t* at, float value);
void PutF64(std::uint8_t* at, double value);
// Inline: a loader reads a hundred thousand track points through these.
inline std::uint32_t GetU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}
inline std::uint16_t GetU16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}
inline float GetF32(const std::uint8_t* at) {
    const std::uint32_t bits = GetU32(at);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}
inline double GetF64(const std::uint8_t* at) {
    const std::uint64_t bits =
        static_cast<std::uint64_t>(GetU32(at)) | static_cast<std::uint64_t>(GetU32(at + 4)) << 32;
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

// Writes at most `maxUnits` code units of `text` as UTF-16LE into a field of
// `fieldUnits` units and zero-fills the rest of the field.
void PutText(std::uint8_t* at, std::size_t fieldUnits, std::size_t maxUnits,
             std::u16string_view text);
// The text of a field of `fieldUnits` units up to its first zero unit (all of it
// when there is none).
std::u16string GetText(const std::uint8_t* at, std::size_t fieldUnits);

}  // namespace rq::platform
