#include "platform/CachedLocalTime.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace rq::platform {

namespace {

constexpr TimeValue kDaySeconds = 86400;

// A day looked at once. When local time runs evenly from its midnight, the times of
// that day are midnight plus seconds; a day with a clock change is left to the C
// library, but remembered so that it is not looked at again.
struct Day {
    int year = 0, month = 0, day = 0;
    TimeValue midnight = 0;
    bool even = false;
};

struct DayCache {
    bool zoneKnown = false;
    bool zoneSet = false;  // TZ was set
    std::string zone;      // its value
    Day days[4];
    unsigned count = 0;
    unsigned next = 0;
    // The last values turned into calendar form, or made from it on a day that runs
    // evenly: a fix time is mostly converted again soon after it was made.
    struct Known {
        TimeValue value = 0;
        CalendarTime fields;
    };
    Known known[2];
    unsigned knownCount = 0;
    unsigned knownNext = 0;
    int holds = 0;             // live CZoneHold objects on this thread
    bool heldChecked = false;  // TZ was looked at since the outermost one began

    // Forgets every day when TZ is not what it was.
    void CheckZone() {
        if (holds > 0) {
            if (heldChecked) return;
            heldChecked = true;
        }
        const char* tz = std::getenv("TZ");
        if (zoneKnown && zoneSet == (tz != nullptr) && (!tz || zone == tz)) return;
        zoneKnown = true;
        zoneSet = tz != nullptr;
        zone = tz ? tz : "";
        count = next = 0;
        knownCount = knownNext = 0;
    }

    const CalendarTime* Recall(TimeValue value) const {
        for (unsigned i = 0; i < knownCount; ++i)
            if (known[i].value == value) return &known[i].fields;
        return nullptr;
    }

    void Remember(TimeValue value, const CalendarTime& fields) {
        known[knownNext] = Known{value, fields};
        knownNext ^= 1;
        if (knownCount < 2) ++knownCount;
    }

    const Day* FindDay(int year, int month, int day) const {
        for (unsigned i = 0; i < count; ++i)
            if (days[i].day == day && days[i].month == month && days[i].year == year)
                return &days[i];
        return nullptr;
    }

    const Day* FindValue(TimeValue value) const {
        for (unsigned i = 0; i < count; ++i)
            if (days[i].even && value >= days[i].midnight && value - days[i].midnight < kDaySeconds)
                return &days[i];
        return nullptr;
    }

    // A day runs evenly when 23:59:59 is 86399 s after midnight, midnight exists and
    // the offset from UTC is the same at both ends.
    static bool Even(std::optional<TimeValue> first, std::optional<TimeValue> last) {
        if (!first || !last || *last - *first != kDaySeconds - 1) return false;
        std::tm a{}, b{};
        const std::time_t ta = static_cast<std::time_t>(*first);
        const std::time_t tb = static_cast<std::time_t>(*last);
        return localtime_r(&ta, &a) && localtime_r(&tb, &b) && a.tm_gmtoff == b.tm_gmtoff &&
               a.tm_hour == 0 && a.tm_min == 0 && a.tm_sec == 0;
    }

    void Learn(int year, int month, int day) {
        if (FindDay(year, month, day)) return;
        const auto first = MakeLocalTime({year, month, day, 0, 0, 0});
        const auto last = MakeLocalTime({year, month, day, 23, 59, 59});
        days[next] = Day{year, month, day, first.value_or(0), Even(first, last)};
        next = (next + 1) % 4;
        if (count < 4) ++count;
    }
};

thread_local DayCache cache;

}  // namespace

std::optional<TimeValue> MakeLocalTimeCached(const CalendarTime& c) {
    cache.CheckZone();
    if (c.hour >= 0 && c.hour <= 23 && c.minute >= 0 && c.minute <= 59 && c.second >= 0 &&
        c.second <= 59) {
        const Day* d = cache.FindDay(c.year, c.month, c.day);
        if (d && d->even) {
            // On such a day the value turns back into exactly these fields.
            const TimeValue value = d->midnight + c.hour * 3600 + c.minute * 60 + c.second;
            cache.Remember(value, c);
            return value;
        }
    }
    const std::optional<TimeValue> value = MakeLocalTime(c);
    if (value) cache.Learn(c.year, c.month, c.day);
    return value;
}

CalendarTime ToLocalCalendarCached(TimeValue value) {
    cache.CheckZone();
    if (const CalendarTime* known = cache.Recall(value)) return *known;
    CalendarTime c;
    if (const Day* d = cache.FindValue(value)) {
        const int s = static_cast<int>(value - d->midnight);
        c = CalendarTime{d->year, d->month, d->day, s / 3600, s / 60 % 60, s % 60};
    } else {
        c = ToLocalCalendar(value);
        cache.Learn(c.year, c.month, c.day);
    }
    cache.Remember(value, c);
    return c;
}

CZoneHold::CZoneHold() {
    if (cache.holds++ == 0) cache.heldChecked = false;
}

CZoneHold::~CZoneHold() {
    --cache.holds;
}

}  // namespace rq::platform
