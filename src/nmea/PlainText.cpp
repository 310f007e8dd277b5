#include "nmea/PlainText.h"

#include <charconv>
#include <cmath>

#include "geo/Unset.h"

namespace rq::nmea {

void AppendNumber(std::u16string& out, double value, int decimals) {
    if (IsUnset(value)) {
        out += u"unknown";
        return;
    }
    char buffer[400];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc()) {
        out += u"unknown";
        return;
    }
    for (const char* p = buffer; p < r.ptr; ++p) out.push_back(static_cast<unsigned char>(*p));
}

void AppendInteger(std::u16string& out, long long value) {
    char buffer[24];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    for (const char* p = buffer; p < r.ptr; ++p) out.push_back(static_cast<unsigned char>(*p));
}

void AppendTwoDigits(std::u16string& out, int value) {
    if (value < 0 || value > 99) {
        AppendInteger(out, value);
        return;
    }
    out.push_back(static_cast<char16_t>(u'0' + value / 10));
    out.push_back(static_cast<char16_t>(u'0' + value % 10));
}

}  // namespace rq::nmea
