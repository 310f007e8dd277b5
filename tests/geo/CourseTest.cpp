#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geo/Coordinate.h"
#include "geo/DoubleRect.h"
#include "geo/Earth.h"
#include "support/CaseTable.h"
#include "support/Numbers.h"

using namespace rq;

TEST(Course, BearingFolding) {
    const std::pair<double, double> cases[] = {
        {-90, 270}, {-400, 40}, {0, 0}, {359.5, 359.5}, {720, 720}, {-360, 0},
    };
    for (const auto& [given, stored] : cases) {
        EXPECT_DOUBLE_EQ(CCourse(given, 5).value, stored) << given;
        EXPECT_DOUBLE_EQ(CCourseFlat(given, 5).value, stored) << given;
    }
    EXPECT_EQ(CCourse(10, -3).distance, -3);
    EXPECT_FALSE(CCourse().IsValid());
    EXPECT_EQ(CCourseFlat().distance, 0);
    EXPECT_TRUE(CCourse(10, 0).IsEqual(CCourse(10 + 5e-8, 1)));
}

TEST(Earth, DegreeLengthsAndBearingOf) {
    EXPECT_EQ(MetresPerLatitudeDegree(45, 10), 111200.162632);
    EXPECT_NEAR(MetresPerLongitudeDegree(0, 0), 111200.16, 0.01);
    EXPECT_NEAR(MetresPerLongitudeDegree(0, 123), 111200.16, 0.01);
    EXPECT_NEAR(MetresPerLongitudeDegree(60, 0), 111200.16 / 2, 10);
    EXPECT_NEAR(MetresPerLongitudeDegree(-60, 0), MetresPerLongitudeDegree(60, 0), 1e-6);
    // At the poles a degree of longitude has no length, and no NaN leaks out.
    EXPECT_NEAR(MetresPerLongitudeDegree(90, 0), 0, 1e-3);
    EXPECT_FALSE(std::isnan(MetresPerLongitudeDegree(-90, 0)));

    for (const auto& row : test::CaseTable("geo/bearings.txt", '\t')) {
        const auto [east, north, pis] = test::Numbers<3>(row[0]);
        EXPECT_NEAR(BearingOf(east, north), pis * kPi, 1e-12) << row[0];
    }
}

TEST(Course, FlatCourses) {
    for (const auto& row : test::CaseTable("geo/flat_courses.txt", '\t')) {
        const auto [lat, lon, fromLat, fromLon, bearing, distance] = test::Numbers<6>(row[0]);
        const CCourseFlat c = CCoordinate(lat, lon).FlatCourseFrom(CCoordinate(fromLat, fromLon));
        EXPECT_NEAR(c.value, bearing, 1e-9) << row[0];
        EXPECT_NEAR(c.distance, distance, 1e-6) << row[0];
    }
}

TEST(Course, ScaleOfTheFirstPartnerIsReused) {
    CCoordinate a(0, 0);
    a.FlatCourseFrom(CCoordinate(60, 0));  // scale taken at latitude 30
    const double scale30 = MetresPerLongitudeDegree(30, 0);
    EXPECT_DOUBLE_EQ(a.lonScale, scale30);
    const CCourseFlat near = a.FlatCourseFrom(CCoordinate(0, 0.001));
    EXPECT_NEAR(near.distance, 0.001 * scale30, 1e-9);
    EXPECT_GT(std::fabs(near.distance - 111.2), 10);  // visibly not the equator's scale

    // The same for moves: the first move's scale serves the next.
    CCoordinate b(60, 0);
    b.FlatMoved(CCourse(0, 0));
    const CCoordinate moved = b.FlatMoved(CCourse(90, 1000));
    EXPECT_NEAR(moved.m_lon.value, 1000 / MetresPerLongitudeDegree(60, 0), 1e-12);
}

TEST(Course, GreatCircle) {
    for (const auto& row : test::CaseTable("geo/great_circles.txt", '\t')) {
        const auto [lat, lon, toLat, toLon, bearing, distance] = test::Numbers<6>(row[0]);
        const CCourse c = CCoordinate(lat, lon).GreatCircleCourseTo(CCoordinate(toLat, toLon));
        EXPECT_FALSE(std::isnan(c.value)) << row[0];
        if (distance > 0) {
            EXPECT_NEAR(c.value, bearing, 1e-6) << row[0];
        }
        EXPECT_NEAR(c.distance, distance, distance > 0 ? 1e-3 : 0.5) << row[0];
    }
}

TEST(Course, FlatMoves) {
    for (const auto& row : test::CaseTable("geo/flat_moves.txt", '\t')) {
        const auto [lat, lon, bearing, distance, toLat, toLon] = test::Numbers<6>(row[0]);
        const CCoordinate to = CCoordinate(lat, lon).FlatMoved(CCourse(bearing, distance));
        EXPECT_TRUE(to.IsValid()) << row[0];
        EXPECT_NEAR(to.m_lat.value, toLat, 1e-8) << row[0];
        EXPECT_NEAR(to.m_lon.value, toLon, 1e-8) << row[0];
    }
    // Move then measure back agrees on the local plane.
    CCoordinate start(48.1, 11.5);
    CCoordinate end = start.FlatMoved(CCourse(33, 2500));
    end.lonScale = start.lonScale;
    const CCourseFlat back = end.FlatCourseFrom(start);
    EXPECT_NEAR(back.value, 33, 1e-6);
    EXPECT_NEAR(back.distance, 2500, 1e-6);
}

TEST(DoubleRect, NormalizeContainsExtendIntersects) {
    const auto edges = [](const CDoubleRect& b) {
        return std::vector<double>{b.left, b.top, b.right, b.bottom};
    };
    CDoubleRect r(11, 47, 10, 48);  // left > right, top < bottom
    r.Normalize();
    EXPECT_EQ(edges(r), (std::vector<double>{10, 48, 11, 47}));
    EXPECT_EQ(edges(CDoubleRect(CCoordinate(48, 10), CCoordinate(47, 11))), edges(r));
    for (const auto& row : test::CaseTable("geo/rect_contains.txt", '\t')) {
        const auto [lat, lon, inside] = test::Numbers<3>(row[0]);
        EXPECT_EQ(r.Contains(CCoordinate(lat, lon)), inside == 1) << row[0];
    }

    CDoubleRect grown = r;
    grown.Extend(CCoordinate(50, 9));
    grown.Extend(CCoordinate(46, 12));
    EXPECT_EQ(edges(grown), (std::vector<double>{9, 50, 12, 46}));

    for (const auto& row : test::CaseTable("geo/rect_intersects.txt", '\t')) {
        const auto [left, top, right, bottom, meets] = test::Numbers<5>(row[0]);
        EXPECT_EQ(r.Intersects(CDoubleRect(left, top, right, bottom)), meets == 1) << row[0];
    }
}
