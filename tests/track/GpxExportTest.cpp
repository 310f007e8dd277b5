#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "track/GpxExport.h"

namespace rq {
namespace {

// Against tests/data/trk/export.gpx: waypoints (milestones, then POIs) before the track,
// points oldest first, text escaped with control characters dropped, 180 written as -180,
// unset points left out and no bounds across 180 or unset points.
TEST(GpxExport, DocumentMatchesTheStoredOne) {
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
    EXPECT_EQ(MakeGpx(t, "a<b"), test::ReadText(RQ_SOURCE_DIR "/tests/data/trk/export.gpx"));
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
