// The cached local-time conversions against the C library's, in zones with half-hour
// offsets and clock changes, on ordinary days and on the days the clocks change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/CachedLocalTime.h"
#include "support/ScopedTimeZone.h"

namespace rq::platform {
namespace {

void SetZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
}

TEST(CachedLocalTime, AgreesWithTheCLibraryInEveryZone) {
    const test::ScopedTimeZone restore("UTC");  // puts the run's zone back at the end
    // Each zone's clock changes of 2020 and a few plain days; Lord Howe moves by half
    // an hour.
    const struct {
        const char* zone;
        CalendarTime days[4];
    } zones[] = {
        {"UTC", {{1980, 1, 1}, {2008, 3, 15}, {2020, 2, 29}, {2020, 12, 31}}},
        {"Asia/Kolkata", {{1980, 1, 1}, {2008, 3, 15}, {2020, 3, 29}, {2020, 12, 31}}},
        {"America/St_Johns", {{1980, 1, 1}, {2020, 3, 8}, {2020, 11, 1}, {2020, 12, 31}}},
        {"Europe/Berlin", {{1980, 1, 1}, {2020, 3, 29}, {2020, 10, 25}, {2008, 3, 15}}},
        {"Australia/Lord_Howe", {{1980, 1, 1}, {2020, 4, 5}, {2020, 10, 4}, {2008, 3, 15}}},
    };
    for (const auto& z : zones) {
        SetZone(z.zone);
        for (const CalendarTime& day : z.days) {
            // Every 10 minutes from two hours before the day to two hours after it,
            // converted both ways, and each field set of the day back to a value.
            const TimeValue noon = *MakeLocalTime({day.year, day.month, day.day, 12, 0, 0});
            for (TimeValue v = noon - 14 * 3600; v <= noon + 14 * 3600; v += 599) {
                ASSERT_EQ(ToLocalCalendarCached(v), ToLocalCalendar(v)) << z.zone << " " << v;
            }
            for (int minutes = 0; minutes < 24 * 60; minutes += 7) {
                CalendarTime c = day;
                c.hour = minutes / 60;
                c.minute = minutes % 60;
                c.second = minutes % 60;
                ASSERT_EQ(MakeLocalTimeCached(c), MakeLocalTime(c))
                    << z.zone << " " << c.year << "-" << c.month << "-" << c.day << " " << c.hour
                    << ":" << c.minute;
            }
        }
        // Out-of-range fields are refused as before, also on a day the cache knows.
        for (const CalendarTime& bad :
             {CalendarTime{2008, 3, 15, 24, 0, 0}, CalendarTime{2008, 3, 15, 12, 60, 0},
              CalendarTime{2008, 3, 15, 12, 0, -1}, CalendarTime{2008, 2, 30, 12, 0, 0},
              CalendarTime{1969, 12, 31, 12, 0, 0}})
            EXPECT_EQ(MakeLocalTimeCached(bad), std::nullopt) << z.zone;
    }
}

// Within a hold the zone is the one first seen; the change shows once the hold ends.
TEST(CachedLocalTime, HoldLooksAtTheZoneOnce) {
    const test::ScopedTimeZone restore("UTC");  // puts the run's zone back at the end
    const TimeValue v = 1205589909;             // 2008-03-15 14:05:09 UTC
    SetZone("UTC");
    {
        const CZoneHold hold;
        EXPECT_EQ(ToLocalCalendarCached(v).hour, 14);
        SetZone("Asia/Kolkata");
        const CZoneHold inner;
        EXPECT_EQ(ToLocalCalendarCached(v).hour, 14);
    }
    EXPECT_EQ(ToLocalCalendarCached(v).hour, 19);
    {
        const CZoneHold hold;
        SetZone("UTC");
        EXPECT_EQ(ToLocalCalendarCached(v).hour, 14);
    }
}

// Values made or converted are remembered: they come back as the C library gives them,
// on the days the clocks change too, and are forgotten with the zone.
TEST(CachedLocalTime, RemembersValuesOnlyWithinTheirZone) {
    const test::ScopedTimeZone restore("Europe/Berlin");
    for (const CalendarTime& day : {CalendarTime{2020, 3, 29}, CalendarTime{2008, 3, 15}}) {
        for (int minutes = 0; minutes < 24 * 60; minutes += 13) {
            const CalendarTime c{day.year, day.month, day.day, minutes / 60, minutes % 60, 0};
            const TimeValue v = MakeLocalTimeCached(c).value_or(0);
            ASSERT_EQ(ToLocalCalendarCached(v), ToLocalCalendar(v)) << v;
            ASSERT_EQ(ToLocalCalendarCached(v - 1), ToLocalCalendar(v - 1)) << v;
        }
    }
    const TimeValue v = *MakeLocalTimeCached({2008, 3, 15, 14, 5, 9});
    EXPECT_EQ(ToLocalCalendarCached(v).hour, 14);
    SetZone("Asia/Shanghai");
    EXPECT_EQ(ToLocalCalendarCached(v).hour, 21);
}

}  // namespace
}  // namespace rq::platform
