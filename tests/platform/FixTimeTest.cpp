// Fix times are built from the receiver's UTC fields as local time; this suite also runs
// under zones with half-hour offsets and daylight saving (see CMakeLists.txt). Fixed
// zones are tried in InfoPanelTextsTest.
#include <gtest/gtest.h>

#include "platform/FixTime.h"

namespace rq::platform {
namespace {

std::string Text(const CalendarTime& c) {
    return FormatCalendar("%Y-%m-%d %H:%M:%S", c);
}

// Receiver fields away from the hour a spring change skips in the test zones (that
// hour has no local time, so no fix time keeps it).
const CalendarTime kFields[] = {
    {2008, 3, 15, 14, 5, 9},    {1970, 1, 2, 0, 0, 0},   {2000, 2, 29, 23, 59, 59},
    {2008, 12, 31, 23, 59, 59}, {2008, 3, 30, 12, 0, 0}, {2008, 10, 26, 2, 30, 0},
    {2008, 7, 1, 0, 15, 0},     {2038, 1, 19, 3, 14, 8}, {2100, 3, 1, 0, 0, 0},
};

TEST(FixTime, ReceiverFieldsComeBackInTheCurrentZone) {
    const TimeValue bias = TimeZoneBiasMinutes() * 60;
    for (const CalendarTime& f : kFields) {
        const std::optional<TimeValue> time = MakeLocalTime(f);
        ASSERT_TRUE(time) << Text(f);
        EXPECT_EQ(Text(FixUtcFields(*time)), Text(f));
        EXPECT_EQ(Text(FixLocalFields(*time)), Text(ZonelessCalendar(ZonelessSeconds(f) - bias)));
        EXPECT_EQ(Text(ZonelessCalendar(ZonelessSeconds(f))), Text(f));
    }
    EXPECT_EQ(ZonelessSeconds({2008, 6, 1, 12, 34, 56}), 1212323696);
    EXPECT_EQ(ZonelessSeconds({1969, 12, 31, 23, 59, 59}), -1);
    EXPECT_EQ(Text(ZonelessCalendar(-86401)), "1969-12-30 23:59:59");
    EXPECT_EQ(Text(ZonelessCalendar(951782400)), "2000-02-29 00:00:00");
}

}  // namespace
}  // namespace rq::platform
