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
    static constexpr double kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    static constexpr long long kWhole[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (decimals >= 0 && decimals <= 6 && std::fabs(value) < 1e12) {
        // Fixed point through one integer, written backwards into a small buffer:
        // receivers' numbers are far inside this range.
        const double magnitude = std::fabs(value);
        long long whole = static_cast<long long>(magnitude);
        long long part = static_cast<long long>(
            (magnitude - static_cast<double>(whole)) * kScale[decimals] + 0.5);
        if (part >= kWhole[decimals]) {  // rounded up into the next whole number
            part -= kWhole[decimals];
            ++whole;
        }
        const bool negative = value < 0 && (whole != 0 || part != 0);
        char16_t buffer[40];
        char16_t* p = buffer + 40;
        for (int i = 0; i < decimals; ++i) {
            *--p = static_cast<char16_t>(u'0' + part % 10);
            part /= 10;
        }
        if (decimals > 0) *--p = u'.';
        do {
            *--p = static_cast<char16_t>(u'0' + whole % 10);
            whole /= 10;
        } while (whole);
        if (negative) *--p = u'-';
        out.append(p, buffer + 40 - p);
        return;
    }
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                 decimals < 0 ? 0 : decimals);
    if (r.ec != std::errc()) {
        out += u"unknown";
        return;
    }
    for (const char* p = buffer; p < r.ptr; ++p) out.push_back(static_cast<unsigned char>(*p));
}

void AppendInteger(std::u16string& out, long long value) {
    char16_t buffer[24];
    char16_t* p = buffer + 24;
    unsigned long long v = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                     : static_cast<unsigned long long>(value);
    do {
        *--p = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v);
    if (value < 0) *--p = u'-';
    out.append(p, buffer + 24 - p);
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
