// Helpers for the NMEA tests: sentences are written as ASCII literals.
#pragma once

#include <string>
#include <string_view>

#include "platform/Text.h"

namespace rq::test {

inline std::u16string Line(std::string_view ascii) {
    return platform::Widen(ascii);
}
// The line as the keepers pass it, with CR LF.
inline std::u16string Crlf(std::string_view ascii) {
    return platform::Widen(ascii) + u"\r\n";
}

}  // namespace rq::test
