#include <gtest/gtest.h>

#include "geo/CoordinateEntry.h"
#include "platform/Text.h"

using namespace rq;

TEST(CoordinateEntry, TextsAndHemispheres) {
    EXPECT_EQ(EntryMagnitudeText(-33.8578), u"33.85780000");
    EXPECT_EQ(EntryMagnitudeText(151.2093), u"151.20930000");
    EXPECT_EQ(EntryHemisphereIndex(0), 0);
    EXPECT_EQ(EntryHemisphereIndex(-0.1), 1);
    EXPECT_EQ(EntryHemisphereIndex(12), 0);
}

TEST(CoordinateEntry, ReadingBack) {
    struct Case {
        const char16_t* lat;
        int latIndex;
        const char16_t* lon;
        int lonIndex;
        bool ok;
        double expectedLat, expectedLon;
    };
    const Case cases[] = {
        {u"33.85780000", 1, u"151.20930000", 0, true, -33.8578, 151.2093},
        {u"-33.5", 0, u"-10", 1, true, 33.5, -10},   // magnitude, then the list decides
        {u"  12.5abc", 0, u"+7", 0, true, 12.5, 7},  // scanf reads the number prefix
        {u"200", 0, u"500", 1, true, 200, -500},     // no range check
        {u"1e2", 0, u".5", 0, true, 100, 0.5},
        {u"0x1.8p1", 0, u"0x", 0, true, 3, 0},  // hexadecimal; "0x" reads as 0
        {u"", 0, u"10", 0, false, 0, 0},
        {u"abc", 0, u"10", 0, false, 0, 0},
        {u"10", 0, u"   ", 0, false, 0, 0},
        {u"10", 0, u"+-3", 0, false, 0, 0},
        {u"nan", 0, u"10", 0, false, 0, 0},  // not a position
        {u"10", 0, u"inf", 1, false, 0, 0},
        {u"1e999", 0, u"10", 0, false, 0, 0},
        {u"4\u00bd", 0, u"10", 0, true, 4, 10},
    };
    for (const Case& c : cases) {
        const CoordinateEntryResult r = ReadCoordinateEntry(c.lat, c.latIndex, c.lon, c.lonIndex);
        const std::string label = platform::ToUtf8(c.lat) + " / " + platform::ToUtf8(c.lon);
        EXPECT_EQ(r.ok, c.ok) << label;
        if (r.ok) {
            EXPECT_DOUBLE_EQ(r.coordinate.m_lat.value, c.expectedLat) << label;
            EXPECT_DOUBLE_EQ(r.coordinate.m_lon.value, c.expectedLon) << label;
            EXPECT_FALSE(r.message) << label;
        } else {
            EXPECT_EQ(r.message, StringId::YouHaveEnteredAnInvalidCoordinate) << label;
        }
    }
}
