// The cached local-time conversions against the C library's, in zones with half-hour
// offsets and clock changes, on ordinary days and on the days the clocks change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "platform/CachedLocalTime.h"
#include "support/CaseTable.h"
#include "support/Numbers.h"
#include "support/ScopedTimeZone.h"

namespace rq::platform {
namespace {

void SetZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
}

TEST(CachedLocalTime, AgreesWithTheCLibraryInEveryZone) {
    for (const auto& row : test::CaseTable("cases/zone-days.txt")) {
        SCOPED_TRACE(row[0]);
        const test::ScopedTimeZone zone(row[0].c_str());
        for (std::size_t i = 1; i < row.size(); ++i) {
            const auto [year, month, date] = test::Numbers<3>(row[i]);
            const CalendarTime day{int(year), int(month), int(date)};
            // Every 10 minutes from two hours before the day to two hours after it,
            // converted both ways, and each field set of the day back to a value.
            const TimeValue noon = *MakeLocalTime({day.year, day.month, day.day, 12, 0, 0});
            for (TimeValue v = noon - 14 * 3600; v <= noon + 14 * 3600; v += 599) {
                ASSERT_EQ(ToLocalCalendarCached(v), ToLocalCalendar(v)) << row[i] << " " << v;
            }
            for (int minutes = 0; minutes < 24 * 60; minutes += 7) {
                const CalendarTime c{day.year,     day.month,    day.day,
                                     minutes / 60, minutes % 60, minutes % 60};
                ASSERT_EQ(MakeLocalTimeCached(c), MakeLocalTime(c)) << row[i] << " " << minutes;
            }
        }
        // Out-of-range fields are refused as before, also on a day the cache knows.
        for (const CalendarTime& bad :
             {CalendarTime{2008, 3, 15, 24, 0, 0}, CalendarTime{2008, 3, 15, 12, 60, 0},
              CalendarTime{2008, 3, 15, 12, 0, -1}, CalendarTime{2008, 2, 30, 12, 0, 0},
              CalendarTime{1969, 12, 31, 12, 0, 0}})
            EXPECT_EQ(MakeLocalTimeCached(bad), std::nullopt);
    }
}

// Within a hold the zone is the one first seen; the change shows once the hold ends.
TEST(CachedLocalTime, HoldLooksAtTheZoneOnce) {
    const test::ScopedTimeZone restore("UTC");  // puts the run's zone back at the end
    const TimeValue v = 1205589909;             // 2008-03-15 14:05:09 UTC
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
