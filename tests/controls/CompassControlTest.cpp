#include <gtest/gtest.h>

#include <tuple>

#include "controls/CompassControl.h"
#include "support/DrawingText.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

using test::EllipseCall;
using test::PolygonCall;
using test::RecordingDC;
using test::TextCall;

struct Rose {
    CGpsViewData data;
    CCompassTargetMemory memory;
    CCompassControl control{ControlModelOf(data), memory};
    RecordingDC dc;
    Rose() {
        control.m_crBackground = 0xE6E6E6;
        control.OnCreate();
        data.track.fix = CGpsPosition{};
        data.track.fix.m_lat = CLatitude(48.0);
        data.track.fix.m_lon = CLongitude(11.0);
        data.target = CNavigationPoint(48.0, 11.1);
    }
    void Draw() {
        dc.Clear();
        control.Draw(dc, {0, 0, 240, 268});
    }
    // The target dot: a filled circle neither white nor the heading mark.
    std::vector<EllipseCall> TargetDots() const {
        std::vector<EllipseCall> dots;
        for (const EllipseCall& e : dc.Of<EllipseCall>())
            if (e.brush.colour != 0xFFFFFF && e.brush.colour != 0xFF8080) dots.push_back(e);
        return dots;
    }
};

// At course 0: the rose in the 240-pixel square 14 below the top, the heading dot of
// radius 8, long and short ticks, the blue north tip up, the labels and the course.
TEST(CompassControl, RoseTurnsWithTheCourse) {
    Rose rose;
    rose.Draw();
    test::ExpectDrawing(rose.dc, "controls/compass-rose.txt");

    // Course 90: the north tip points left and "E" is at the top; 359.7 counts as 359.
    rose.data.track.fix.course = 90;
    rose.Draw();
    EXPECT_EQ(rose.dc.Of<PolygonCall>()[0].points[0], (CPoint{20, 134}));
    const CRect e = rose.dc.Of<TextCall>()[0].rect;
    EXPECT_EQ((CPoint{(e.left + e.right) / 2, (e.top + e.bottom) / 2}), (CPoint{120, 14 + 26}));
    rose.data.track.fix.course = 359.7;
    rose.Draw();
    EXPECT_EQ(rose.dc.Texts().back(), u"359");
}

TEST(CompassControl, TargetDotColourFollowsTheDistanceAcrossPaints) {
    Rose rose;
    rose.Draw();  // not navigating: no dot, memory untouched
    EXPECT_TRUE(rose.TargetDots().empty());
    EXPECT_EQ(rose.memory.colour, 0x808080u);

    rose.data.navigating = 1;
    struct Step {
        double lon;
        Colour colour;
    } steps[] = {
        {11.0, 0x00FF00},   // first paint: everything is below 9e+100
        {11.0, 0x00FF00},   // same distance: the colour stays
        {10.99, 0x0000FF},  // further away
        {10.99, 0x0000FF}, {11.05, 0x00FF00},
    };
    for (const Step& s : steps) {
        rose.data.track.fix.m_lon = CLongitude(s.lon);
        rose.Draw();
        const auto dots = rose.TargetDots();
        ASSERT_EQ(dots.size(), 1u) << s.lon;
        EXPECT_EQ(dots[0].brush.colour, s.colour) << s.lon;
        EXPECT_EQ(dots[0].pen.colour, s.colour);
        EXPECT_EQ(dots[0].rect.Width(), 16);
    }
    // The target lies east: at course 0 the dot is right of the top, near the rim; the
    // distance below the centre, the number above the anchor and the unit below it.
    test::ExpectDrawing(rose.dc, "controls/compass-target.txt");

    // Without a valid fix: no dot, and the memory stays as it was.
    const CCompassTargetMemory before = rose.memory;
    rose.data.track.fix.m_lat = CLatitude();
    rose.Draw();
    EXPECT_TRUE(rose.TargetDots().empty());
    EXPECT_EQ(std::tuple(rose.memory.colour, rose.memory.distance),
              std::tuple(before.colour, before.distance));
}

}  // namespace
}  // namespace rq
