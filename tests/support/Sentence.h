// NMEA sentences for tests, written without their checksum.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace rq::test {

// "$" + body + "*" + the two hex digits of the XOR of the body's characters.
inline std::string Sentence(std::string_view body) {
    unsigned char sum = 0;
    for (char c : body) sum ^= static_cast<unsigned char>(c);
    char tail[4];
    std::snprintf(tail, sizeof tail, "*%02X", sum);
    return "$" + std::string(body) + tail;
}

}  // namespace rq::test
