#include "platform/LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace rq::platform {

void PutU32(std::uint8_t* at, std::uint32_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
    at[2] = static_cast<std::uint8_t>(v >> 16);
    at[3] = static_cast<std::uint8_t>(v >> 24);
}

void PutU16(std::uint8_t* at, std::uint16_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

void PutF32(std::uint8_t* at, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    PutU32(at, bits);
}

void PutF64(std::uint8_t* at, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, 8);
    PutU32(at, static_cast<std::uint32_t>(bits));
    PutU32(at + 4, static_cast<std::uint32_t>(bits >> 32));
}

void PutText(std::uint8_t* at, std::size_t fieldUnits, std::size_t maxUnits,
             std::u16string_view text) {
    std::memset(at, 0, fieldUnits * 2);
    const std::size_t n = std::min({text.size(), maxUnits, fieldUnits});
    for (std::size_t i = 0; i < n; ++i) PutU16(at + 2 * i, text[i]);
}

std::u16string GetText(const std::uint8_t* at, std::size_t fieldUnits) {
    std::u16string out;
    for (std::size_t i = 0; i < fieldUnits; ++i) {
        const char16_t c = GetU16(at + 2 * i);
        if (c == 0) break;
        out.push_back(c);
    }
    return out;
}

}  // namespace rq::platform
