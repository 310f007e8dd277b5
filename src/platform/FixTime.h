// Fix times back into calendar fields. A fix time is built from the receiver's UTC
// fields read as local time (MakeLocalTime), so the UTC fields come back only through
// the same zone (ToLocalCalendar), never through the UTC breakdown: that one moves the
// clock by the zone's offset everywhere but in UTC.
#pragma once

#include "platform/Time.h"

namespace rq::platform {

// The receiver's UTC fields of a fix time: the inverse of MakeLocalTime.
CalendarTime FixUtcFields(TimeValue fixTime);
// Those fields moved by the zone's standard offset (TimeZoneBiasMinutes): the local
// time shown beside them, without daylight saving. The move is calendar arithmetic, so
// a clock change between the two times does not shift it.
CalendarTime FixLocalFields(TimeValue fixTime);
// Seconds since 1970-01-01 00:00 of calendar fields (in their ranges) counted without
// any zone, and back.
TimeValue ZonelessSeconds(const CalendarTime& fields);
CalendarTime ZonelessCalendar(TimeValue seconds);

}  // namespace rq::platform
