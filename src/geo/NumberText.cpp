#include "geo/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/Text.h"

namespace rq {

std::string FixedText(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 30);
    // %.30f of the largest double is about 340 characters.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return std::string();
    return std::string(buffer, result.ptr);
}

std::u16string FixedText16(double value, int decimals) {
    return platform::Widen(FixedText(value, decimals));
}

bool ReadDouble(std::u16string_view text, double& out) {
    std::size_t i = 0;
    while (i < text.size() && platform::IsSpace(text[i])) ++i;
    // Only ASCII can be part of a number; the scan stops at the first other unit.
    std::string narrow;
    for (; i < text.size() && text[i] < 0x80 && text[i] != 0; ++i)
        narrow.push_back(static_cast<char>(text[i]));
    std::size_t start = 0;
    bool negative = false;
    if (!narrow.empty() && (narrow[0] == '+' || narrow[0] == '-')) {
        negative = narrow[0] == '-';
        start = 1;
    }
    // from_chars takes no sign of its own beyond '-', so the sign is applied here.
    if (start < narrow.size() && (narrow[start] == '+' || narrow[start] == '-')) return false;
    double value = 0;
    const char* first = narrow.data() + start;
    const char* last = narrow.data() + narrow.size();
    auto format = std::chars_format::general;
    // scanf also reads hexadecimal floating text ("0x1.8p1").
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X') &&
        std::isxdigit(static_cast<unsigned char>(first[2]))) {
        first += 2;
        format = std::chars_format::hex;
    }
    const auto result = std::from_chars(first, last, value, format);
    if (result.ec == std::errc::invalid_argument || result.ptr == first) return false;
    // Out-of-range text reads as the infinity or zero that scanf would give.
    if (result.ec == std::errc::result_out_of_range) {
        bool tiny = false;
        for (const char* p = first; p < result.ptr; ++p)
            if (*p == 'e' || *p == 'E') tiny = p + 1 < result.ptr && p[1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    }
    out = negative ? -value : value;
    return true;
}

}  // namespace rq
