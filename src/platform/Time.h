// The platform's time: 64-bit seconds in the sense of the C library's time_t, built
// from calendar fields read as local time (as the device does for the receiver's UTC
// fields), and calendar forms of such values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rq::platform {

using TimeValue = std::int64_t;

struct CalendarTime {
    int year = 1970;  // e.g. 2008
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;     // 0..23
    int minute = 0;   // 0..59
    int second = 0;   // 0..59
    bool operator==(const CalendarTime&) const = default;
};

// Fields read as local time. None when a field is out of range or the date does not
// exist (31 February), or the year is before 1970.
std::optional<TimeValue> MakeLocalTime(const CalendarTime& fields);
// Calendar form in local time, and without time zone (UTC).
CalendarTime ToLocalCalendar(TimeValue value);
CalendarTime ToUtcCalendar(TimeValue value);

// Seconds since 1970-01-01 00:00 UTC from the system clock.
TimeValue NowUtc();
CalendarTime LocalNow();

// Minutes to add to local standard time to get UTC (west of Greenwich is positive);
// daylight saving is not included.
int TimeZoneBiasMinutes();

// strftime over a calendar form ("%H:%M:%S", "%Y-%m-%d").
std::string FormatCalendar(const char* format, const CalendarTime& fields);

}  // namespace rq::platform
