#include <gtest/gtest.h>

#include "platform/Text.h"
#include "support/FixMaker.h"
#include "support/ScopedTimeZone.h"
#include "track/InfoPanelTexts.h"

namespace rq {
namespace {

using test::kMetresPerDegree;
using test::MakeFix;

std::string Row(const CInfoPanelText& t) {
    return platform::ToUtf8(t.label) + "|" + platform::ToUtf8(t.value) + "|" +
           platform::ToUtf8(t.unit);
}

// Every row as "label|value|unit", "; " between rows; the row at `skip` shows as "-".
std::string Rows(const CInfoPanelTexts& texts, std::size_t skip = kInfoPanelEntries) {
    std::string out;
    for (std::size_t i = 0; i < kInfoPanelEntries; ++i)
        out += (i ? "; " : "") + (i == skip ? std::string("-") : Row(texts[i]));
    return out;
}

TEST(InfoPanelTexts, CreatedWithZerosMetricUnitsAndNAForTimes) {
    EXPECT_EQ(Rows(InitialInfoPanelTexts()),
              "Speed|0|km/h; Max Speed|0|km/h; Average Speed|0|km/h; Mileage|0|m; "
              "Heading|0|DEG; Acceleration|0|m/s; Altitude|0|m; Max Altitude|0|m; "
              "Min Altitude|0|m; Ascent Rate|0|m/min; Distance|0|km; ETA|0|; HDOP|0|; "
              "VDOP|0|; PDOP|0|; Local Time|NA|; UTC|NA|; Duration|NA|");
}

TEST(InfoPanelTexts, RefreshMakesEveryEntryFromTheModel) {
    CGpsTrackInfo t;
    CGpsTrackCoordinate head(0, 0);
    head.distance = 1200;
    t.AddHead(head);
    t.fix = MakeFix(50 / kMetresPerDegree, 0, 10, 123.4);
    t.fix.course = 271.25;
    t.fix.hdop = 1.25;
    t.fix.vdop = 2.0;
    t.fix.pdop = 3.04;
    t.fix.time = *platform::MakeLocalTime({2008, 3, 7, 9, 5, 2});
    t.startTime = t.fix.time - (3 * 3600 + 2 * 60 + 5);
    t.maxSpeed = 20;
    t.avgSpeed = 5.56;
    t.acceleration = 0.5;
    t.ascentRate = -12;
    t.maxAltitude = 1500;
    t.minAltitude = kUnset;
    t.navDistance = 1000;
    t.etaSeconds = 194;

    CInfoPanelTexts texts = InitialInfoPanelTexts();
    RefreshInfoPanelTexts(texts, t, true, 0);
    // Local Time is checked in each zone by ClocksInEachZone.
    EXPECT_EQ(Rows(texts, 15),
              "Speed|18.5|km/h; Max Speed|20.0|km/h; Average Speed|5.6|km/h; Mileage|1.250|km; "
              "Heading|271.2|DEG; Acceleration|0.500|m/s; Altitude|123|m; "
              "Max Altitude|1.500|km; Min Altitude|NA|; Ascent Rate|-12.000|m/min; "
              "Distance|1.000|km; ETA|00:03:14|; HDOP|1.2|; VDOP|2.0|; PDOP|3.0|; -; "
              "UTC|09:05:02|2008-03-07; Duration|03:02:05|");
}

// The receiver's 14:05:09 UTC (as a log replays it) shown in zones east and west, with
// half-hour offsets and across a clock change.
TEST(InfoPanelTexts, ClocksInEachZone) {
    struct Case {
        const char* zone;
        platform::CalendarTime fix;
        int startHour;  // of the start time, else as the fix
        const char *local, *duration;
    } cases[] = {
        {"Asia/Shanghai", {2008, 3, 15, 14, 5, 9}, 13, "2008-03-15 22:05:09", "01:00:00"},
        {"America/St_Johns", {2008, 3, 15, 14, 5, 9}, 13, "2008-03-15 10:35:09", "01:00:00"},
        // Standard time all year, also when that changes the day.
        {"America/St_Johns", {2008, 7, 15, 1, 5, 9}, 0, "2008-07-14 21:35:09", "01:00:00"},
        {"Asia/Kolkata", {2008, 3, 15, 0, 5, 9}, 0, "2008-03-15 05:35:09", "00:00:00"},
        // Read as Berlin time the receiver's clock runs through the skipped hour.
        {"Europe/Berlin", {2008, 3, 30, 3, 30, 0}, 0, "2008-03-30 04:30:00", "03:00:00"},
    };
    for (const Case& c : cases) {
        test::ScopedTimeZone zone(c.zone);
        CGpsTrackInfo t;
        t.fix = MakeFix(0, 0);
        t.fix.time = *platform::MakeLocalTime(c.fix);
        platform::CalendarTime start = c.fix;
        start.hour = c.startHour;
        t.startTime = *platform::MakeLocalTime(start);
        CInfoPanelTexts texts = InitialInfoPanelTexts();
        RefreshInfoPanelTexts(texts, t, false, 0);
        const std::string local(c.local);
        EXPECT_EQ(Row(texts[15]), "Local Time|" + local.substr(11) + "|" + local.substr(0, 10))
            << c.zone;
        EXPECT_EQ(Row(texts[16]), "UTC|" + platform::FormatCalendar("%H:%M:%S|%Y-%m-%d", c.fix))
            << c.zone;
        EXPECT_EQ(Row(texts[17]), std::string("Duration|") + c.duration + "|") << c.zone;
    }
}

TEST(InfoPanelTexts, NavigationOffAndUnknownTimes) {
    CGpsTrackInfo t;
    t.fix = MakeFix(0, 0);
    t.navDistance = 1000;
    t.etaSeconds = 100;
    CInfoPanelTexts texts = InitialInfoPanelTexts();
    RefreshInfoPanelTexts(texts, t, false, 0);
    EXPECT_EQ(Row(texts[10]), "Distance|NA|");
    EXPECT_EQ(Row(texts[11]), "ETA|NA|");
    EXPECT_EQ(Row(texts[15]), "Local Time|NA|") << "no fix time leaves the texts";
    EXPECT_EQ(Row(texts[17]), "Duration|NA|");
    t.etaSeconds = 0;
    RefreshInfoPanelTexts(texts, t, true, 0);
    EXPECT_EQ(Row(texts[10]), "Distance|1.000|km");
    EXPECT_EQ(Row(texts[11]), "ETA|NA|") << "a zero time to go is unknown";
}

TEST(InfoPanelTexts, UnitModesAndLongSpans) {
    CGpsTrackInfo t;
    CGpsTrackCoordinate head(0, 0);
    head.distance = 1000;
    t.AddHead(head);
    t.fix = MakeFix(0, 0, 0, 100);
    t.fix.gpsQuality = 0;
    t.fix.time = *platform::MakeLocalTime({2008, 3, 7, 9, 0, 0});
    t.startTime = t.fix.time - 25 * 3600;
    CInfoPanelTexts texts = InitialInfoPanelTexts();
    RefreshInfoPanelTexts(texts, t, false, 1);
    EXPECT_EQ(Row(texts[3]), "Mileage|3281|feets");
    EXPECT_EQ(Row(texts[0]), "Speed|0.0|mph");
    EXPECT_EQ(Row(texts[5]), "Acceleration|0.000|feets/s");
    EXPECT_EQ(Row(texts[17]), "Duration|01:00:00|") << "spans show the hour of the day";
    RefreshInfoPanelTexts(texts, t, false, 7);
    EXPECT_EQ(Row(texts[0]), "Speed|0.0|n.mph");
    EXPECT_EQ(Row(texts[6]), "Altitude|328|feets");
}

}  // namespace
}  // namespace rq
