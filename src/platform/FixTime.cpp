#include "platform/FixTime.h"

namespace rq::platform {

namespace {

constexpr TimeValue kSecondsPerDay = 86400;

// Days from 1970-01-01 of a proleptic Gregorian date, in eras of 400 years.
TimeValue DaysFromCivil(TimeValue year, TimeValue month, TimeValue day) {
    year -= month <= 2 ? 1 : 0;
    const TimeValue era = (year >= 0 ? year : year - 399) / 400;
    const TimeValue yearOfEra = year - era * 400;
    const TimeValue dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const TimeValue dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

TimeValue ZonelessSeconds(const CalendarTime& c) {
    return DaysFromCivil(c.year, c.month, c.day) * kSecondsPerDay +
           static_cast<TimeValue>(c.hour) * 3600 + static_cast<TimeValue>(c.minute) * 60 + c.second;
}

CalendarTime ZonelessCalendar(TimeValue seconds) {
    TimeValue days = seconds / kSecondsPerDay;
    TimeValue rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    days += 719468;
    const TimeValue era = (days >= 0 ? days : days - 146096) / 146097;
    const TimeValue dayOfEra = days - era * 146097;
    const TimeValue yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const TimeValue dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const TimeValue mp = (5 * dayOfYear + 2) / 153;
    CalendarTime c;
    c.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    c.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    c.year = static_cast<int>(yearOfEra + era * 400 + (c.month <= 2 ? 1 : 0));
    c.hour = static_cast<int>(rest / 3600);
    c.minute = static_cast<int>(rest / 60 % 60);
    c.second = static_cast<int>(rest % 60);
    return c;
}

CalendarTime FixUtcFields(TimeValue fixTime) {
    return ToLocalCalendar(fixTime);
}

CalendarTime FixLocalFields(TimeValue fixTime) {
    const TimeValue bias = static_cast<TimeValue>(TimeZoneBiasMinutes()) * 60;
    return ZonelessCalendar(ZonelessSeconds(FixUtcFields(fixTime)) - bias);
}

}  // namespace rq::platform
