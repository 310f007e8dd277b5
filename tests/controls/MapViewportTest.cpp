#include <gtest/gtest.h>

#include "controls/MapViewport.h"
#include "geo/Earth.h"
#include "support/CaseTable.h"

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
    for (const auto& r : test::CaseTable("cases/map-screen-to-geo.txt")) {
        const CCoordinate got = View(100, 100, 11120.0162632, std::stod(r[0]), std::stod(r[1]))
                                    .ScreenToGeo({std::stoi(r[2]), std::stoi(r[3])});
        EXPECT_NEAR(got.m_lat.value, std::stod(r[4]), 1e-6) << r[0] << "," << r[1];
        EXPECT_NEAR(got.m_lon.value, std::stod(r[5]), 1e-6) << r[0] << "," << r[1];
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
    for (const auto& r : test::CaseTable("cases/map-scroll-steps.txt")) {
        CMapViewport view = View(240, 268, 3.0, 47, 8);
        view.SetMicroScroll(r[0] == "1");
        const CCoordinate before = view.GetCenter();
        view.Scroll(std::stod(r[1]), std::stod(r[2]));
        EXPECT_EQ(view.GeoToScreen(before), (CPoint{std::stoi(r[3]), std::stoi(r[4])}))
            << r[0] << " " << r[1] << " " << r[2];
    }
}
