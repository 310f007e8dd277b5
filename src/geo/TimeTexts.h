// Time texts shown beside distances and speeds. Clocks are drawn from calendar fields
// the caller breaks down (platform/FixTime for fix times); spans are 64-bit seconds.
#pragma once

#include <string>
#include <string_view>

#include "platform/Time.h"

namespace rq {

// Strings 234, 201 and 203: the clock, the date and the duration patterns.
inline constexpr std::u16string_view kClockPattern = u"%H:%M:%S";
inline constexpr std::u16string_view kDatePattern = u"%Y-%m-%d";
inline constexpr std::u16string_view kDurationPattern = u"%H:%M:%S";

// "%02d:%02d:%02d" of whole hours (not wrapped at a day), minutes and seconds.
std::u16string FormatEta(long long seconds);
// strftime of the calendar fields with the pattern.
std::u16string FormatClock(const platform::CalendarTime& fields,
                           std::u16string_view pattern = kClockPattern);
// A time span: %D whole days, %H the hour of the day (25 hours show 01), %M and %S the
// minute and second, each two digits; %% a percent sign. A negative span shows a
// minus sign before the text of its magnitude.
std::u16string FormatDuration(long long seconds, std::u16string_view pattern = kDurationPattern);

}  // namespace rq
