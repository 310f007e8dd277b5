#include <gtest/gtest.h>

#include <tuple>

#include "controls/CompassControl.h"
#include "support/RecordingDC.h"
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

TEST(CompassControl, RoseTurnsWithTheCourse) {
    Rose rose;
    rose.Draw();
    // The rose is the 240-pixel square 14 below the top; the heading dot has radius 8.
    const auto circles = rose.dc.Of<EllipseCall>();
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].rect, (CRect{0, 14, 240, 254}));
    EXPECT_EQ(circles[0].pen, (CPen{PenStyle::Solid, 1, 0xC0C0C0}));
    EXPECT_EQ(circles[1].rect, (CRect{112, 14, 128, 30}));
    const auto ticks = rose.dc.Of<test::LineCall>();
    ASSERT_EQ(ticks.size(), 36u);
    EXPECT_EQ(ticks[0].from, (CPoint{120, 14 + 13}));  // long tick at 0: 120 * 10 / 90
    EXPECT_EQ(ticks[1].from.y - ticks[1].to.y, 6);     // short tick at 10
    // At course 0 the blue north tip points up.
    const auto needle = rose.dc.Of<PolygonCall>();
    ASSERT_EQ(needle.size(), 2u);
    EXPECT_EQ(
        std::tuple(needle[0].points[0], needle[0].pen, needle[0].brush.colour,
                   needle[1].brush.colour),
        std::tuple(CPoint{120, 34}, CPen{PenStyle::Solid, 1, 0xB40000}, 0xB40000u, 0x0000C0u));

    const std::vector<std::u16string> labels = {u"E", u"W", u"NE", u"SE", u"SW", u"NW", u"0"};
    EXPECT_EQ(rose.dc.Texts(), labels);
    const auto texts = rose.dc.Of<TextCall>();
    EXPECT_EQ(texts[0].font, CreateControlFont(18, 700, u"Tahoma"));
    EXPECT_EQ(texts[0].textColour, 0x800000u);
    EXPECT_EQ(texts[2].font, CreateControlFont(12, 400, u"Tahoma"));
    EXPECT_EQ(texts[2].textColour, 0x808080u);
    EXPECT_EQ(texts[6].font, CreateControlFont(26, 700, u"Tahoma"));

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
    // The target lies east: at course 0 the dot is right of the top, near the rim.
    const CRect dot = rose.TargetDots()[0].rect;
    EXPECT_EQ((CPoint{dot.left + 8, dot.top + 8}), (CPoint{232, 134}));
    // Distance below the centre: number in the heading font above the anchor, unit below.
    const auto texts = rose.dc.Of<TextCall>();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(std::tuple(texts[0].text, texts[0].font.height, texts[0].rect.bottom - 2),
              std::tuple(u"3.720", 26, 134 + 60));
    EXPECT_EQ(std::tuple(texts[1].text, texts[1].font.height, texts[1].rect.top + 2),
              std::tuple(u"km", 12, 134 + 60));

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
