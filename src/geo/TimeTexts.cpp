#include "geo/TimeTexts.h"

#include <cstdio>

#include "platform/Text.h"

namespace rq {

std::u16string FormatEta(long long seconds) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02lld:%02lld:%02lld", seconds / 3600,
                  (seconds % 3600) / 60, seconds % 60);
    return platform::Widen(buffer);
}

std::u16string FormatClock(const platform::CalendarTime& fields, std::u16string_view pattern) {
    const std::string format = platform::ToUtf8(pattern);
    return platform::FromUtf8(platform::FormatCalendar(format.c_str(), fields));
}

std::u16string FormatDuration(long long seconds, std::u16string_view pattern) {
    std::u16string text;
    // Unsigned so the magnitude of the most negative span cannot overflow.
    unsigned long long span = static_cast<unsigned long long>(seconds);
    if (seconds < 0) {
        text += u'-';
        span = 0ull - span;
    }
    char buffer[32];
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'%' || i + 1 == pattern.size()) {
            text += pattern[i];
            continue;
        }
        const char16_t code = pattern[++i];
        unsigned long long field = 0;
        switch (code) {
            case u'D':
                field = span / 86400;
                break;
            case u'H':
                field = span / 3600 % 24;
                break;
            case u'M':
                field = span / 60 % 60;
                break;
            case u'S':
                field = span % 60;
                break;
            case u'%':
                text += u'%';
                continue;
            default:
                text += u'%';
                text += code;
                continue;
        }
        std::snprintf(buffer, sizeof buffer, code == u'D' ? "%llu" : "%02llu", field);
        text += platform::Widen(buffer);
    }
    return text;
}

}  // namespace rq
