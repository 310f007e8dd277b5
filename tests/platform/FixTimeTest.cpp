// Fix times are built from the receiver's UTC fields as local time; this suite also runs
// under zones with half-hour offsets and daylight saving (see CMakeLists.txt). Fixed
// zones are tried in InfoPanelTextsTest.
#include <gtest/gtest.h>

#include "platform/FixTime.h"
#include "support/CaseTable.h"
#include "support/Numbers.h"

namespace rq::platform {
namespace {

std::string Text(const CalendarTime& c) {
    return FormatCalendar("%Y-%m-%d %H:%M:%S", c);
}

TEST(FixTime, ReceiverFieldsComeBackInTheCurrentZone) {
    const TimeValue bias = TimeZoneBiasMinutes() * 60;
    for (const auto& row : rq::test::CaseTable("cases/receiver-fields.txt")) {
        const auto [year, month, day, hour, minute, second] = rq::test::Numbers<6>(row[0]);
        const CalendarTime f{int(year), int(month), int(day), int(hour), int(minute), int(second)};
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
