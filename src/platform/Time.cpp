#include "platform/Time.h"

#include <ctime>

namespace rq::platform {

namespace {

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

CalendarTime FromTm(const std::tm& t) {
    return CalendarTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

std::tm ToTm(const CalendarTime& c) {
    std::tm t{};
    t.tm_year = c.year - 1900;
    t.tm_mon = c.month - 1;
    t.tm_mday = c.day;
    t.tm_hour = c.hour;
    t.tm_min = c.minute;
    t.tm_sec = c.second;
    t.tm_isdst = -1;
    return t;
}

}  // namespace

std::optional<TimeValue> MakeLocalTime(const CalendarTime& c) {
    if (c.year < 1970 || c.year > 3000 || c.month < 1 || c.month > 12 || c.day < 1 ||
        c.day > DaysInMonth(c.year, c.month) || c.hour < 0 || c.hour > 23 || c.minute < 0 ||
        c.minute > 59 || c.second < 0 || c.second > 59)
        return std::nullopt;
    std::tm t = ToTm(c);
    return static_cast<TimeValue>(std::mktime(&t));
}

CalendarTime ToLocalCalendar(TimeValue value) {
    const std::time_t t = static_cast<std::time_t>(value);
    std::tm out{};
    if (!localtime_r(&t, &out)) return CalendarTime{};
    return FromTm(out);
}

CalendarTime ToUtcCalendar(TimeValue value) {
    const std::time_t t = static_cast<std::time_t>(value);
    std::tm out{};
    if (!gmtime_r(&t, &out)) return CalendarTime{};
    return FromTm(out);
}

TimeValue NowUtc() {
    return static_cast<TimeValue>(std::time(nullptr));
}

CalendarTime LocalNow() {
    return ToLocalCalendar(NowUtc());
}

int TimeZoneBiasMinutes() {
    tzset();
    return static_cast<int>(timezone / 60);
}

std::string FormatCalendar(const char* format, const CalendarTime& fields) {
    std::tm t = ToTm(fields);
    t.tm_isdst = 0;
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format, &t);
    return std::string(buffer, n);
}

}  // namespace rq::platform
