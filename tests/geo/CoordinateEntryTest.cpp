#include <gtest/gtest.h>

#include "geo/CoordinateEntry.h"
#include "platform/Text.h"
#include "support/CaseTable.h"
#include "support/Numbers.h"

using namespace rq;

TEST(CoordinateEntry, TextsHemispheresAndReadingBack) {
    EXPECT_EQ(EntryMagnitudeText(-33.8578), u"33.85780000");
    EXPECT_EQ(EntryMagnitudeText(151.2093), u"151.20930000");
    EXPECT_EQ(EntryHemisphereIndex(0) + EntryHemisphereIndex(12), 0);
    EXPECT_EQ(EntryHemisphereIndex(-0.1), 1);
    const auto rows = test::CaseTable("cases/coordinate-entries.txt");
    ASSERT_EQ(rows.size(), 14u);
    for (const auto& c : rows) {
        const CoordinateEntryResult r = ReadCoordinateEntry(
            platform::FromUtf8(c[0]), std::stoi(c[1]), platform::FromUtf8(c[2]), std::stoi(c[3]));
        const std::string label = c[0] + " / " + c[2];
        if (c[4] == "invalid") {
            EXPECT_FALSE(r.ok) << label;
            EXPECT_EQ(r.message, StringId::YouHaveEnteredAnInvalidCoordinate) << label;
            continue;
        }
        const auto [lat, lon] = test::Numbers<2>(c[4]);
        EXPECT_TRUE(r.ok && !r.message) << label;
        EXPECT_DOUBLE_EQ(r.coordinate.m_lat.value, lat) << label;
        EXPECT_DOUBLE_EQ(r.coordinate.m_lon.value, lon) << label;
    }
}
