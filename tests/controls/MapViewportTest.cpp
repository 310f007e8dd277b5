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

TEST(MapViewport, ProjectionBothWays) {
    EXPECT_TRUE(CMapViewport().GetCenter().IsSamePosition(CCoordinate(0, 0)));
    EXPECT_EQ(CMapViewport().GetScale(), 1.0);
    struct Case {
        int width;
        double scale, lat, lon;  // relative to a centre at (0, 0); 268 pixels high
        CPoint expected;
    };
    const double halfPixel = 0.5 / MetresPerLongitudeDegree(0, 0);
    const Case cases[] = {{240, 1000, 1, 0, {120, 134 - 111}},     // 111.2 px
                          {240, 1000, 1.5, 0, {120, 134 - 167}},   // 166.8 px
                          {241, 1000, 0, -1, {120 - 111, 134}},    // odd width: centre truncates
                          {240, 1, 0, 5 * halfPixel, {123, 134}},  // halves round away
                          {240, 1, 0, -5 * halfPixel, {117, 134}},
                          {240, 1e-9, 10, -10, {120 - 2147483647, 134 - 2147483647}}};
    for (const Case& c : cases) {
        CMapViewport view = View(c.width, 268, c.scale);
        // An invalid centre is refused and changes nothing.
        EXPECT_FALSE(view.SetCenter(CCoordinate(91, 0)));
        EXPECT_FALSE(view.SetCenter(CCoordinate()));
        EXPECT_EQ(view.GeoToScreen(CCoordinate(c.lat, c.lon)), c.expected) << c.lat << "," << c.lon;
    }
    const CMapViewport view = View(480, 640, 7.5, 47.3, 8.5);
    for (const CPoint p : {CPoint{0, 0}, CPoint{240, 320}, CPoint{-300, 900}})
        EXPECT_EQ(view.GeoToScreen(view.ScreenToGeo(p)), p) << p.x << "," << p.y;
}

TEST(MapViewport, ScreenToGeoFoldsOverPolesAndWrapsTheMeridian) {
    struct Case {
        double centreLat, centreLon;
        CPoint tap;  // 100 x 100 pixels of a tenth of a degree of latitude
        double lat, lon;
    };
    const Case cases[] = {{89.5, 0, {50, 40}, 89.5, 180},
                          {-89.5, 10, {50, 60}, -89.5, -170},
                          {0, 179.95, {51, 50}, 0, -179.95},
                          {0, -179.95, {49, 51}, -0.1, 179.95},
                          {90, 0, {80, 50}, 90, 0}};  // no length to a degree at the pole
    for (const Case& c : cases) {
        const CCoordinate got =
            View(100, 100, 11120.0162632, c.centreLat, c.centreLon).ScreenToGeo(c.tap);
        EXPECT_NEAR(got.m_lat.value, c.lat, 1e-6) << c.centreLat << "," << c.centreLon;
        EXPECT_NEAR(got.m_lon.value, c.lon, 1e-6) << c.centreLat << "," << c.centreLon;
    }
    // Over the meridian the visible area stays one rectangle holding what is on screen.
    const CDoubleRect over = View(200, 200, 100, 0, 179.95).GetVisibleArea();
    EXPECT_GT(over.right, 180);
    EXPECT_TRUE(over.Contains(CCoordinate(0, 179.99)));
}

TEST(MapViewport, ZoomLimitsAndScrollSteps) {
    // 240 pixels: zoom in stops below 50/240 * 4/3 m/px, zoom out above 200000/240 * 3/4.
    const double in = 50.0 / 240 * 4 / 3, out = 200000.0 / 240 * 3 / 4;
    for (const auto& [scale, canIn, canOut] : {std::tuple{in, true, true},
                                               {in * 0.999, false, true},
                                               {out, true, true},
                                               {out * 1.001, true, false}}) {
        CMapViewport view = View(240, 268, scale);
        EXPECT_EQ(view.ZoomIn(), canIn) << scale;
        EXPECT_DOUBLE_EQ(view.GetScale(), canIn ? scale * 3 / 4 : scale) << scale;
        view.SetScale(scale);
        EXPECT_EQ(view.ZoomOut(), canOut) << scale;
        EXPECT_DOUBLE_EQ(view.GetScale(), canOut ? scale * 4 / 3 : scale) << scale;
    }
    struct Case {
        bool micro;
        double fx, fy;
        CPoint oldCentre;  // where the old centre lies afterwards; a sixth is 40 x 44.67
    };
    const Case cases[] = {{false, -1.0 / 6, 0, {160, 134}}, {false, 0, 1.0 / 6, {120, 179}},
                          {true, -1.0 / 6, 0, {121, 134}},  {true, 0, 1.0 / 6, {120, 135}},
                          {true, 0, -1.0 / 6, {120, 133}},  {true, 0, 0, {120, 134}}};
    for (const Case& c : cases) {
        CMapViewport view = View(240, 268, 3.0, 47, 8);
        view.SetMicroScroll(c.micro);
        const CCoordinate before = view.GetCenter();
        view.Scroll(c.fx, c.fy);
        EXPECT_EQ(view.GeoToScreen(before), c.oldCentre) << c.micro << " " << c.fx << " " << c.fy;
    }
}
