#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

#include "geo/Coordinate.h"
#include "geo/DoubleRect.h"
#include "geo/Earth.h"
#include "support/CaseTable.h"

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
        std::istringstream in(row[0]);
        double east, north, pis;
        ASSERT_TRUE(in >> east >> north >> pis) << row[0];
        EXPECT_NEAR(BearingOf(east, north), pis * kPi, 1e-12) << row[0];
    }
}

TEST(Course, FlatCourses) {
    struct Case {
        double lat, lon, fromLat, fromLon, bearing, distance;
    };
    const double eastWest = 0.001 * MetresPerLongitudeDegree(0, 0);
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0},
        {0.001, 0, 0, 0, 0, 111.200162632},
        {-0.001, 0, 0, 0, 180, 111.200162632},
        {0, 0.001, 0, 0, 90, eastWest},
        {0, -0.001, 0, 0, 270, eastWest},
        // No wrap at the antimeridian: the long way round, westward.
        {0, -179.999, 0, 179.999, 270, 359.998 * MetresPerLongitudeDegree(0, 0)},
    };
    for (const Case& c : cases) {
        CCoordinate to(c.lat, c.lon);
        const CCourseFlat course = to.FlatCourseFrom(CCoordinate(c.fromLat, c.fromLon));
        EXPECT_NEAR(course.value, c.bearing, 1e-9) << c.lat << "," << c.lon;
        EXPECT_NEAR(course.distance, c.distance, 1e-6) << c.lat << "," << c.lon;
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
    const CCourse c = CCoordinate(0, 0).GreatCircleCourseTo(CCoordinate(0, 1));
    EXPECT_NEAR(c.value, 90, 1e-9);
    EXPECT_NEAR(c.distance, 111200.162632, 1e-3);
    const CCourse back = CCoordinate(0, 1).GreatCircleCourseTo(CCoordinate(0, 0));
    EXPECT_NEAR(back.value, 270, 1e-9);
    const CCourse north = CCoordinate(0, 0).GreatCircleCourseTo(CCoordinate(1, 0));
    EXPECT_NEAR(north.value, 0, 1e-6);
    // The same point: no NaN from 0/0 (the law of cosines is only good to about a
    // decimetre here, which its one use, a whole degree, never sees).
    const CCourse none = CCoordinate(10, 10).GreatCircleCourseTo(CCoordinate(10, 10));
    EXPECT_FALSE(std::isnan(none.value));
    EXPECT_NEAR(none.distance, 0, 0.5);
}

TEST(Course, FlatMoves) {
    CCoordinate origin(0, 0);
    const CCoordinate east = origin.FlatMoved(CCourse(90, 1000));
    EXPECT_NEAR(east.m_lat.value, 0, 1e-12);
    EXPECT_NEAR(east.m_lon.value, 1000 / 111200.16, 1e-8);
    EXPECT_NEAR(east.m_lon.value, 0.008993, 1e-6);

    // Across the pole: latitude folds back, longitude turns half way round.
    CCoordinate nearPole(89.5, 10);
    const CCoordinate over = nearPole.FlatMoved(CCourse(0, 111200.162632));
    EXPECT_NEAR(over.m_lat.value, 89.5, 1e-9);
    EXPECT_NEAR(over.m_lon.value, -170, 1e-9);

    // Across the antimeridian eastward.
    CCoordinate dateLine(0, 179.999);
    const CCoordinate wrapped = dateLine.FlatMoved(CCourse(90, 1000));
    EXPECT_NEAR(wrapped.m_lon.value, 179.999 + 0.008993 - 360, 1e-6);

    // From the pole itself the east part has no length to divide by.
    CCoordinate pole(90, 0);
    const CCoordinate fromPole = pole.FlatMoved(CCourse(90, 1000));
    EXPECT_TRUE(fromPole.IsValid());
    EXPECT_EQ(fromPole.m_lon.value, 0);

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
        std::istringstream in(row[0]);
        double lat, lon;
        bool inside;
        ASSERT_TRUE(in >> lat >> lon >> inside) << row[0];
        EXPECT_EQ(r.Contains(CCoordinate(lat, lon)), inside) << row[0];
    }

    CDoubleRect grown = r;
    grown.Extend(CCoordinate(50, 9));
    grown.Extend(CCoordinate(46, 12));
    EXPECT_EQ(edges(grown), (std::vector<double>{9, 50, 12, 46}));

    EXPECT_TRUE(r.Intersects(CDoubleRect(10.5, 47.5, 12, 46)));
    EXPECT_TRUE(r.Intersects(CDoubleRect(11, 49, 12, 48)));  // touching corner
    EXPECT_FALSE(r.Intersects(CDoubleRect(11.1, 48, 12, 47)));
    EXPECT_FALSE(r.Intersects(CDoubleRect(10, 46.9, 11, 46)));
    EXPECT_FALSE(r.Intersects(CDoubleRect(10, 49, 11, 48.1)));
    EXPECT_FALSE(r.Intersects(CDoubleRect(8, 48, 9.9, 47)));
    EXPECT_TRUE(r.Intersects(CDoubleRect(9, 49, 12, 46)));  // encloses
}
