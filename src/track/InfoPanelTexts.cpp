#include "track/InfoPanelTexts.h"

#include <cstdio>

#include "app/StringTable.h"
#include "geo/TimeTexts.h"
#include "geo/Units.h"
#include "platform/FixTime.h"
#include "platform/Text.h"

namespace rq {

using platform::Widen;

namespace {

enum Entry {
    kSpeed,
    kMaxSpeed,
    kAvgSpeed,
    kMileage,
    kHeading,
    kAcceleration,
    kAltitude,
    kMaxAltitude,
    kMinAltitude,
    kAscentRate,
    kDistance,
    kEta,
    kHdop,
    kVdop,
    kPdop,
    kLocalTime,
    kUtc,
    kDuration
};

const char16_t* const kNA = u"NA";

std::u16string OneDecimal(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return Widen(buffer);
}

void SetSpeed(CInfoPanelText& t, double kmh, int mode) {
    const ValueText text = FormatSpeed(kmh, mode, false);
    t.value = text.value;
    t.unit = text.unit;
}

void SetDistance(CInfoPanelText& t, double metres, int mode, int small, int large,
                 const char16_t* unitSuffix = u"") {
    const ValueText text = FormatDistance(metres, mode, small, large, false);
    t.value = text.value;
    t.unit = text.unit + unitSuffix;
}

void SetAltitude(CInfoPanelText& t, double metres, int mode) {
    if (metres == kUnset) {
        t.value = kNA;
        t.unit.clear();
    } else {
        SetDistance(t, metres, mode, 0, 3);
    }
}

void SetClock(CInfoPanelText& t, const platform::CalendarTime& shown) {
    t.value = FormatClock(shown, LoadResourceString(StringId::ClockFormat));
    t.unit = FormatClock(shown, LoadResourceString(StringId::DateFormat));
}

}  // namespace

CInfoPanelTexts InitialInfoPanelTexts() {
    return {{
        {u"Speed", u"0", u"km/h"},
        {u"Max Speed", u"0", u"km/h"},
        {u"Average Speed", u"0", u"km/h"},
        {u"Mileage", u"0", u"m"},
        {u"Heading", u"0", u"DEG"},
        {u"Acceleration", u"0", u"m/s"},
        {u"Altitude", u"0", u"m"},
        {u"Max Altitude", u"0", u"m"},
        {u"Min Altitude", u"0", u"m"},
        {u"Ascent Rate", u"0", u"m/min"},
        {u"Distance", u"0", u"km"},
        {u"ETA", u"0", u""},
        {u"HDOP", u"0", u""},
        {u"VDOP", u"0", u""},
        {u"PDOP", u"0", u""},
        {u"Local Time", u"NA", u""},
        {u"UTC", u"NA", u""},
        {u"Duration", u"NA", u""},
    }};
}

void RefreshInfoPanelTexts(CInfoPanelTexts& texts, CGpsTrackInfo& track, bool navigating,
                           std::uint32_t unitMode) {
    const CGpsPosition& fix = track.fix;
    const int u = static_cast<int>(unitMode);
    SetSpeed(texts[kSpeed], fix.speed * kKnotsToKmh, u);
    SetSpeed(texts[kMaxSpeed], track.maxSpeed, u);
    SetSpeed(texts[kAvgSpeed], track.avgSpeed, u);
    SetDistance(texts[kMileage], track.GetMileage(), u, 0, 3);
    texts[kHeading].value = OneDecimal(fix.course);
    SetDistance(texts[kAcceleration], track.acceleration, u, 3, 3, u"/s");
    SetAltitude(texts[kAltitude], fix.altitude, u);
    SetAltitude(texts[kMaxAltitude], track.maxAltitude, u);
    SetAltitude(texts[kMinAltitude], track.minAltitude, u);
    SetDistance(texts[kAscentRate], track.ascentRate, u, 3, 3, u"/min");
    if (navigating) {
        SetDistance(texts[kDistance], track.navDistance, u, 0, 3);
    } else {
        texts[kDistance].value = kNA;
        texts[kDistance].unit.clear();
    }
    texts[kEta].value =
        (!navigating || track.etaSeconds == 0) ? std::u16string(kNA) : FormatEta(track.etaSeconds);
    texts[kHdop].value = OneDecimal(fix.hdop);
    texts[kVdop].value = OneDecimal(fix.vdop);
    texts[kPdop].value = OneDecimal(fix.pdop);
    // Only a known time replaces the texts; before the first one they stay as they were.
    if (fix.time > 0) {
        SetClock(texts[kLocalTime], platform::FixLocalFields(fix.time));
        SetClock(texts[kUtc], platform::FixUtcFields(fix.time));
    }
    // Measured on the receiver's clock: a clock change of the zone between the two fix
    // times is no part of the trip.
    if (track.startTime > 0)
        texts[kDuration].value =
            FormatDuration(platform::ZonelessSeconds(platform::FixUtcFields(fix.time)) -
                               platform::ZonelessSeconds(platform::FixUtcFields(track.startTime)),
                           LoadResourceString(StringId::TimeSpanFormat));
    else
        texts[kDuration].value = kNA;
}

}  // namespace rq
