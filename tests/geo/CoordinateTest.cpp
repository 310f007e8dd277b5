#include <gtest/gtest.h>

#include "geo/Coordinate.h"
#include "geo/Earth.h"
#include "support/CaseTable.h"
#include "support/Numbers.h"

using namespace rq;

TEST(Coordinate, ValiditySamePositionOffsetAndNormalize) {
    EXPECT_FALSE(CCoordinate().IsValid());
    EXPECT_TRUE(CCoordinate(90, 180).IsValid() && CCoordinate(-90, -180).IsValid());
    for (const CCoordinate& bad : {CCoordinate(90.0000001, 0), CCoordinate(0, -180.0000001),
                                   CCoordinate(0, kUnset), CCoordinate(std::nan(""), 0)})
        EXPECT_FALSE(bad.IsValid()) << bad.m_lat.value << " " << bad.m_lon.value;
    CCoordinate p(48.1, 11.5);
    EXPECT_TRUE(p.IsSamePosition(CCoordinate(48.1 + 5e-8, 11.5 - 5e-8)));
    EXPECT_FALSE(p.IsSamePosition(CCoordinate(48.1, 11.5 + 2e-7)));
    p.Offset(50, 175);  // no normalising
    EXPECT_DOUBLE_EQ(p.m_lat.value, 98.1);
    EXPECT_DOUBLE_EQ(p.m_lon.value, 186.5);
    for (const auto& row : test::CaseTable("geo/normalize.txt", '\t')) {
        const auto [lat, lon, expectedLat, expectedLon] = test::Numbers<4>(row[0]);
        CCoordinate n(lat, lon);
        n.Normalize();
        EXPECT_NEAR(n.m_lat.value, expectedLat, 1e-12) << row[0];
        EXPECT_NEAR(n.m_lon.value, expectedLon, 1e-12) << row[0];
    }
}

TEST(Coordinate, ScaleCacheCopiesAndAssignment) {
    CCoordinate a(0, 0);
    a.FlatCourseFrom(CCoordinate(0, 1));
    ASSERT_GT(a.lonScale, 0);
    const double scale = a.lonScale;

    const CCoordinate copy(a);
    EXPECT_EQ(copy.lonScale, 0);
    EXPECT_EQ(copy.m_lat.value, 0);

    CCoordinate target(60, 10);
    target.lonScale = 1234;
    target = a;
    EXPECT_EQ(target.lonScale, 1234);
    EXPECT_EQ(target.m_lon.value, 0);

    // Changing the values does not reset the scale.
    a.Offset(60, 0);
    a.Normalize();
    a.m_lat.Set(45.0);
    EXPECT_EQ(a.lonScale, scale);

    // Moves return copies without a scale.
    EXPECT_EQ(a.FlatMoved(CCourse(90, 10)).lonScale, 0);
}
