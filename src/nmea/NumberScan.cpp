#include "nmea/NumberScan.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace rq::nmea {

namespace {

bool IsScanSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Powers of ten exactly representable as doubles.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common receiver form "[-]digits[.digits]" with at most 15 significant digits:
// the mantissa and the power of ten are both exact, so one division rounds correctly.
// Returns false for anything else, which goes the general way.
bool FastDecimal(std::u16string_view s, std::size_t i, bool negative, double& value) {
    const char16_t* p = s.data() + i;
    const char16_t* const end = s.data() + s.size();
    std::uint64_t mantissa = 0;
    bool any = false;
    // Leading zeros are neither digits nor fraction places; the limits are tested
    // after each run of digits, so a longer number overflows only a value that is
    // then thrown away.
    while (p < end && *p == u'0') {
        ++p;
        any = true;
    }
    const char16_t* run = p;
    while (p < end && IsDigit(*p)) mantissa = mantissa * 10 + (*p++ - u'0');
    std::ptrdiff_t digits = p - run;
    std::ptrdiff_t fraction = 0;
    if (p < end && *p == u'.') {
        ++p;
        if (mantissa == 0) {
            while (p < end && *p == u'0') {
                ++p;
                ++fraction;
                any = true;
            }
        }
        run = p;
        while (p < end && IsDigit(*p)) mantissa = mantissa * 10 + (*p++ - u'0');
        digits += p - run;
        fraction += p - run;
    }
    if (digits > 15 || fraction > 22) return false;
    if (!any && digits == 0) return false;
    // An exponent, hexadecimal prefix or the like needs the general reader.
    if (p < end && (*p == u'e' || *p == u'E' || *p == u'x' || *p == u'X')) return false;
    double v = static_cast<double>(mantissa) / kExactPowers[fraction];
    value = negative ? -v : v;
    return true;
}

bool InNumberAlphabet(char16_t c) {
    return c < 0x80 && (IsDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                        c == u'.' || c == u'+' || c == u'-' || c == u'(' || c == u')' || c == u'_');
}

bool GeneralDouble(const char* first, const char* last, double& value) {
    bool negative = false;
    if (first < last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    if (first < last && (*first == '+' || *first == '-')) return false;
    std::chars_format format = std::chars_format::general;
    const char* body = first;
    if (last - first >= 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
        format = std::chars_format::hex;
        body = first + 2;
    }
    double v = 0;
    std::from_chars_result r = std::from_chars(body, last, v, format);
    if (format == std::chars_format::hex && r.ec == std::errc::invalid_argument) {
        // "0x" without hexadecimal digits reads as the zero before it.
        value = negative ? -0.0 : 0.0;
        return true;
    }
    if (r.ec == std::errc::result_out_of_range) {
        // strtod's answer: infinity on overflow, zero (or a subnormal) on underflow.
        std::string copy(first, r.ptr);
        v = std::strtod(copy.c_str(), nullptr);
    } else if (r.ec != std::errc()) {
        return false;
    }
    value = negative ? -v : v;
    return true;
}

}  // namespace

bool ScanDouble(std::u16string_view s, double& value) {
    std::size_t i = 0;
    while (i < s.size() && IsScanSpace(s[i])) ++i;
    if (i == s.size()) return false;
    bool negative = false;
    std::size_t body = i;
    if (s[body] == u'-' || s[body] == u'+') {
        negative = s[body] == u'-';
        ++body;
    }
    if (FastDecimal(s, body, negative, value)) return true;

    // General way: the candidate characters go to a small buffer; only an absurdly
    // long number needs the heap.
    std::size_t end = i;
    while (end < s.size() && InNumberAlphabet(s[end])) ++end;
    const std::size_t n = end - i;
    if (n == 0) return false;
    char small[96];
    std::string large;
    char* buffer = small;
    if (n > sizeof small) {
        large.resize(n);
        buffer = large.data();
    }
    for (std::size_t k = 0; k < n; ++k) buffer[k] = static_cast<char>(s[i + k]);
    return GeneralDouble(buffer, buffer + n, value);
}

int ScanInteger(std::u16string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsScanSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
    long long v = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        v = v * 10 + (s[i] - u'0');
        if (v > static_cast<long long>(INT_MAX) + 1) {
            v = static_cast<long long>(INT_MAX) + 1;
            // Keep consuming digits; the value stays saturated.
        }
    }
    if (negative) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

bool ScanHex(std::u16string_view s, std::uint64_t& value) {
    std::size_t i = 0;
    while (i < s.size() && IsScanSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
    bool any = false;
    if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        any = true;  // the 0 alone is a number
        i += 2;
    }
    std::uint64_t v = 0;
    bool overflow = false;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i];
        unsigned d;
        if (IsDigit(c))
            d = c - u'0';
        else if (c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            break;
        any = true;
        if (v > (UINT64_MAX >> 4)) overflow = true;
        v = (v << 4) | d;
    }
    if (!any) return false;
    if (overflow) v = UINT64_MAX;
    value = negative ? (0 - v) : v;
    return true;
}

}  // namespace rq::nmea
