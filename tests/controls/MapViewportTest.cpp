#include <gtest/gtest.h>

#include "controls/MapViewport.h"
#include "geo/Earth.h"

using namespace rq;

namespace {

CMapViewport View(int width, int height, double scale, double lat = 0, double lon = 0) {
    CMapViewport view;
    view.SetClientRect(0, 0, width, height);
    view.SetScale(scale);
    view.SetCenter(CCoordinate(lat, lon));
    return view;
}

}  // namespace

TEST(MapViewport, StartsAtZeroZeroOneMetrePerPixel) {
    CMapViewport view;
    EXPECT_EQ(view.GetCenter().m_lat.value, 0);
    EXPECT_EQ(view.GetCenter().m_lon.value, 0);
    EXPECT_EQ(view.GetScale(), 1.0);
    EXPECT_FALSE(view.IsMicroScroll());
    EXPECT_EQ(view.MetresPerDegreeLatitude(), 111200.162632);
    EXPECT_EQ(view.MetresPerDegreeLongitude(), MetresPerLongitudeDegree(0, 0));
    EXPECT_EQ(view.GetPoiNameViewWidth(), 200000.0);
}

TEST(MapViewport, SetCenterRefusesInvalidAndRescalesLongitude) {
    CMapViewport view = View(240, 268, 10, 48, 11);
    const double lonScale = view.MetresPerDegreeLongitude();
    EXPECT_NEAR(lonScale, MetresPerLongitudeDegree(48, 0), 1e-6);
    for (const CCoordinate& bad :
         {CCoordinate(), CCoordinate(91, 0), CCoordinate(0, -180.5), CCoordinate(kUnset, 3)}) {
        EXPECT_FALSE(view.SetCenter(bad));
        EXPECT_EQ(view.GetCenter().m_lat.value, 48);
        EXPECT_EQ(view.MetresPerDegreeLongitude(), lonScale);
    }
    EXPECT_TRUE(view.SetCenter(CCoordinate(-60, 179)));
    EXPECT_NEAR(view.MetresPerDegreeLongitude(), MetresPerLongitudeDegree(60, 0), 1e-6);
}

TEST(MapViewport, GeoToScreenTable) {
    struct Case {
        int width, height;
        double scale, lat, lon;  // point relative to a centre at (0, 0)
        CPoint expected;
    };
    const double lonDeg = MetresPerLongitudeDegree(0, 0);
    const Case cases[] = {
        {240, 268, 1000, 0, 0, {120, 134}},
        {240, 268, 1000, 1, 0, {120, 134 - 111}},    // 111.2 rounds down
        {240, 268, 1000, 1.5, 0, {120, 134 - 167}},  // 166.8 rounds up
        {240, 268, 1000, -1.5, 0, {120, 134 + 167}},
        {240, 268, 1000, 0, 1, {120 + 111, 134}},
        {241, 269, 1000, 0, -1, {120 - 111, 134}},  // odd sizes: the centre truncates
        // Exactly half a pixel rounds away from the centre on both sides.
        {100, 100, 1, 0, 2.5 / lonDeg, {53, 50}},
        {100, 100, 1, 0, -2.5 / lonDeg, {47, 50}},
        {100, 100, 1, 2.5 / 111200.162632, 0, {50, 47}},
        // Far beyond the int range the result clamps instead of wrapping.
        {100, 100, 1e-9, 10, -10, {50 - 2147483647, 50 - 2147483647}},
    };
    for (const Case& c : cases) {
        const CMapViewport view = View(c.width, c.height, c.scale);
        const CPoint p = view.GeoToScreen(CCoordinate(c.lat, c.lon));
        EXPECT_EQ(p.x, c.expected.x) << c.lat << "," << c.lon << " @" << c.scale;
        EXPECT_EQ(p.y, c.expected.y) << c.lat << "," << c.lon << " @" << c.scale;
    }
}

TEST(MapViewport, ScreenToGeoInvertsAndNormalises) {
    // Round trips of pixels through the plane.
    const CMapViewport view = View(480, 640, 7.5, 47.3, 8.5);
    for (const CPoint p : {CPoint{0, 0}, CPoint{240, 320}, CPoint{479, 639}, CPoint{-300, 900}}) {
        const CPoint back = view.GeoToScreen(view.ScreenToGeo(p));
        EXPECT_EQ(back, p) << p.x << "," << p.y;
    }
    const CCoordinate centre = view.ScreenToGeo(view.GetClientCenter());
    EXPECT_TRUE(centre.IsSamePosition(view.GetCenter()));

    struct Case {
        double centreLat, centreLon;
        CPoint tap;
        double lat, lon;
    };
    // 100 x 100 pixels of 11120.0162632 m: one pixel is 0.1 degree of latitude.
    const double scale = 11120.0162632;
    const Case cases[] = {
        {89.5, 0, {50, 40}, 89.5, 180},        // one degree over the pole: 89.5 on the far side
        {-89.5, 10, {50, 60}, -89.5, -170},    // the same at the south pole, wrapped
        {0, 179.95, {51, 50}, 0, -179.95},     // across the meridian: wrapped to the west
        {0, -179.95, {49, 51}, -0.1, 179.95},  // and back to the east
    };
    for (const Case& c : cases) {
        const CMapViewport v = View(100, 100, scale, c.centreLat, c.centreLon);
        const CCoordinate got = v.ScreenToGeo(c.tap);
        EXPECT_NEAR(got.m_lat.value, c.lat, 1e-6) << c.centreLat << "," << c.centreLon;
        EXPECT_NEAR(got.m_lon.value, c.lon, 1e-6) << c.centreLat << "," << c.centreLon;
    }
    // At a pole a degree of longitude has no length: no division by zero, no NaN.
    const CCoordinate pole = View(100, 100, 10, 90, 0).ScreenToGeo({80, 50});
    EXPECT_EQ(pole.m_lon.value, 0);
    EXPECT_EQ(pole.m_lat.value, 90);
}

TEST(MapViewport, VisibleAreaFollowsTheProjectionPlane) {
    const CMapViewport view = View(240, 268, 10, 47, 8);
    const CDoubleRect area = view.GetVisibleArea();
    const CCoordinate topLeft = view.ScreenToGeo({0, 0});
    const CCoordinate bottomRight = view.ScreenToGeo({240, 268});
    EXPECT_DOUBLE_EQ(area.left, topLeft.m_lon.value);
    EXPECT_DOUBLE_EQ(area.top, topLeft.m_lat.value);
    EXPECT_DOUBLE_EQ(area.right, bottomRight.m_lon.value);
    EXPECT_DOUBLE_EQ(area.bottom, bottomRight.m_lat.value);

    // Over the 180th meridian the area stays one rectangle that holds what is drawn on
    // screen, instead of inverting and meeting nothing.
    const CMapViewport edge = View(200, 200, 100, 0, 179.95);
    const CDoubleRect over = edge.GetVisibleArea();
    EXPECT_LT(over.left, over.right);
    EXPECT_GT(over.right, 180);
    EXPECT_TRUE(over.Contains(CCoordinate(0, 179.99)));
    EXPECT_TRUE(over.Intersects(CDoubleRect(179.9, 0.01, 180, -0.01)));
}

TEST(MapViewport, ZoomLimitsAndSteps) {
    // 240 pixels: zoom in stops below 50/240 * 4/3 m/px, zoom out above 200000/240 * 3/4.
    const double inLimit = 50.0 / 240 * 4 / 3;
    const double outLimit = 200000.0 / 240 * 3 / 4;
    struct Case {
        double scale;
        bool canIn, canOut;
    };
    const Case cases[] = {
        {inLimit, true, true},  {inLimit * 0.999, false, true},
        {outLimit, true, true}, {outLimit * 1.001, true, false},
        {1.0, true, true},      {1e-3, false, true},
        {1e6, true, false},
    };
    for (const Case& c : cases) {
        CMapViewport view = View(240, 268, c.scale);
        EXPECT_EQ(view.CanZoomIn(), c.canIn) << c.scale;
        EXPECT_EQ(view.CanZoomOut(), c.canOut) << c.scale;
        EXPECT_EQ(view.ZoomIn(), c.canIn) << c.scale;
        EXPECT_DOUBLE_EQ(view.GetScale(), c.canIn ? c.scale * 3 / 4 : c.scale) << c.scale;
        view.SetScale(c.scale);
        EXPECT_EQ(view.ZoomOut(), c.canOut) << c.scale;
        EXPECT_DOUBLE_EQ(view.GetScale(), c.canOut ? c.scale * 4 / 3 : c.scale) << c.scale;
    }
    // Stepping in from 1 m/px stops at the limit; the limits follow the width.
    CMapViewport view = View(240, 268, 1.0);
    int steps = 0;
    while (view.ZoomIn()) ++steps;
    EXPECT_EQ(steps, 5);  // (3/4)^5 = 0.237; one more step would give 0.178 < 50/240
    EXPECT_GE(view.GetScale(), 50.0 / 240);
    view.SetClientRect(0, 0, 480, 640);
    EXPECT_TRUE(view.ZoomIn());
}

TEST(MapViewport, ScrollBySixthOrPixel) {
    struct Case {
        bool micro;
        double fx, fy;
        CPoint newCentre;  // where the old centre pixel's point now sits
    };
    // 240 x 268: a sixth is 40 and 44.67 -> 45 pixels.
    const Case cases[] = {
        {false, -1.0 / 6, 0, {160, 134}}, {false, 1.0 / 6, 0, {80, 134}},
        {false, 0, 1.0 / 6, {120, 179}},  {false, 0, -1.0 / 6, {120, 89}},
        {true, -1.0 / 6, 0, {121, 134}},  {true, 1.0 / 6, 0, {119, 134}},
        {true, 0, 1.0 / 6, {120, 135}},   {true, 0, -1.0 / 6, {120, 133}},
        {true, 0, 0, {120, 134}},
    };
    for (const Case& c : cases) {
        CMapViewport view = View(240, 268, 3.0, 47, 8);
        view.SetMicroScroll(c.micro);
        const CCoordinate before = view.GetCenter();
        view.Scroll(c.fx, c.fy);
        EXPECT_EQ(view.GeoToScreen(before), c.newCentre) << c.micro << " " << c.fx << " " << c.fy;
    }
}

TEST(MapViewport, PoiNamesAtOrBelowTheViewWidth) {
    CMapViewport view = View(240, 268, 3000.0 / 240);
    view.SetPoiNameViewWidth(3000);
    EXPECT_TRUE(view.ShowsPoiNames());
    view.SetScale(3000.0 / 240 * 1.0001);
    EXPECT_FALSE(view.ShowsPoiNames());
}
