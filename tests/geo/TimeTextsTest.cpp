#include <gtest/gtest.h>

#include "geo/TimeTexts.h"

using namespace rq;

TEST(TimeTexts, EtaClockAndDuration) {
    EXPECT_EQ(FormatEta(3 * 3600 + 2 * 60 + 5), u"03:02:05");
    EXPECT_EQ(FormatEta(0), u"00:00:00");
    EXPECT_EQ(FormatEta(100 * 3600 + 59), u"100:00:59");  // hours are not wrapped

    const platform::CalendarTime t{2008, 6, 1, 12, 34, 56};
    EXPECT_EQ(FormatClock(t), u"12:34:56");
    EXPECT_EQ(FormatClock(t, kDatePattern), u"2008-06-01");

    EXPECT_EQ(FormatDuration(3 * 3600 + 2 * 60 + 5), u"03:02:05");
    EXPECT_EQ(FormatDuration(25 * 3600), u"01:00:00");  // hour of the day
    EXPECT_EQ(FormatDuration(0), u"00:00:00");
    EXPECT_EQ(FormatDuration(2 * 86400 + 3661, u"%D d %H:%M:%S 100%%"), u"2 d 01:01:01 100%");
    EXPECT_EQ(FormatDuration(-61), u"-00:01:01");
    EXPECT_EQ(FormatDuration(5, u"%Q%"), u"%Q%");
}
