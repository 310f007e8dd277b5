#include <gtest/gtest.h>

#include "track/GpxExport.h"

namespace rq {
namespace {

TEST(GpxExport, PointsOldestFirstWaypointsBeforeTheTrackAndTextEscaped) {
    CGpsTrackInfo t;
    t.pois.FindCategory(u"General")
        ->AddPoi(u"Fish & <Chips> \"Joe's\"\x01", CCoordinate(1.5, 2.5), 31);
    CGpsTrackCoordinate oldest(48.1, 11.5);
    t.AddHead(oldest);
    CGpsTrackCoordinate milestone(48.2, 11.5);
    milestone.milestone = 1;
    milestone.distance = 11120;
    t.AddHead(milestone);
    t.AddHead(CGpsTrackCoordinate(48.123456789, 180));
    t.AddHead(CGpsTrackCoordinate(kUnset, kUnset));
    const std::string gpx = MakeGpx(t, "a<b");

    const std::size_t metadata = gpx.find("<metadata>");
    const std::size_t wpt = gpx.find("<wpt ");
    const std::size_t trk = gpx.find("<trk>");
    ASSERT_NE(metadata, std::string::npos);
    EXPECT_LT(metadata, wpt);
    EXPECT_LT(wpt, trk);
    EXPECT_NE(gpx.find("<name>a&lt;b</name>"), std::string::npos);
    EXPECT_NE(gpx.find("<name>Fish &amp; &lt;Chips&gt; &quot;Joe&apos;s&quot;</name>"),
              std::string::npos)
        << "control characters dropped";
    EXPECT_NE(gpx.find("<wpt lat=\"48.200000000\" lon=\"11.500000000\">\n    "
                       "<name>Milestone 1</name>\n    <desc>11120.0 m</desc>\n    "
                       "<type>milestone</type>"),
              std::string::npos);
    EXPECT_NE(gpx.find("<type>General</type>"), std::string::npos);
    const std::size_t first = gpx.find("<trkpt lat=\"48.100000000\" lon=\"11.500000000\"/>");
    const std::size_t second = gpx.find("<trkpt lat=\"48.200000000\"");
    const std::size_t third = gpx.find("<trkpt lat=\"48.123456789\" lon=\"-180.000000000\"/>");
    EXPECT_LT(first, second);
    EXPECT_LT(second, third) << "180 is written as -180";
    EXPECT_NE(third, std::string::npos);
    EXPECT_EQ(gpx.find("-987654321"), std::string::npos) << "unset points are left out";
    EXPECT_EQ(gpx.find("<bounds"), std::string::npos) << "no bounds across 180 or unset points";
    EXPECT_EQ(gpx.rfind("</gpx>\n"), gpx.size() - 7);
}

TEST(GpxExport, EmptyTrackIsAValidEmptySegmentWithTheGivenName) {
    CGpsTrackInfo t;
    t.shortName = u"Walk";
    const std::string gpx = MakeGpx(t, "file");
    EXPECT_NE(gpx.find("<metadata>\n    <name>Walk</name>\n  </metadata>"), std::string::npos);
    EXPECT_NE(gpx.find("<trkseg>\n    </trkseg>"), std::string::npos);
    EXPECT_EQ(gpx.find("<wpt"), std::string::npos);
}

}  // namespace
}  // namespace rq
