// The local-time conversions of Time.h through a small per-thread cache of days
// without a clock change. The C library looks at the zone on every mktime (a stat of
// the zone file when TZ is not set); a receiver's fix is converted several times a
// second, mostly within one day. Results equal MakeLocalTime and ToLocalCalendar.
//
// The cache is emptied when TZ changes; a change of the system's zone file while TZ
// is not set is seen only after that.
#pragma once

#include <optional>

#include "platform/Time.h"

namespace rq::platform {

std::optional<TimeValue> MakeLocalTimeCached(const CalendarTime& fields);
CalendarTime ToLocalCalendarCached(TimeValue value);

// While one lives on a thread, the conversions above look at TZ once, not on every
// call: a reader holds one over a batch of sentences, within which the zone does not
// change.
class CZoneHold {
public:
    CZoneHold();
    ~CZoneHold();
    CZoneHold(const CZoneHold&) = delete;
    CZoneHold& operator=(const CZoneHold&) = delete;
};

}  // namespace rq::platform
