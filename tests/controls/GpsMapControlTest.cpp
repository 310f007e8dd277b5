#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "app/DisplayProfile.h"
#include "controls/GpsMapControl.h"
#include "support/RecordingDC.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

using namespace test;
using Lines = std::vector<std::vector<CPoint>>;

// A 240 x 268 map at 1 m/px centred at 47 N 8 E; places are given in pixels. Recorded
// text is 0.6 x its font height wide per character and one height high.
struct Map {
    CGpsViewData data;
    CGpsMapControl map{ControlModelOf(data)};
    RecordingDC dc;
    int repaints = 0;

    Map() {
        map.OnSize(240, 268);
        map.SetCenter(CCoordinate(47, 8));
        map.SetInvalidate([this] { ++repaints; });
    }
    CGpsTrackCoordinate At(int x, int y) const {
        const CCoordinate c = map.ScreenToGeo({x, y});
        return CGpsTrackCoordinate(c.m_lat.value, c.m_lon.value);
    }
    void Track(CGpsTrack& track, std::initializer_list<CPoint> oldestFirst) {
        for (CPoint p : oldestFirst) track.AddHead(At(p.x, p.y));
    }
    void Fix(int x, int y, double kmh = 0, double course = 0, double hdop = 1) {
        CGpsPosition& fix = data.track.fix;
        fix.m_lat.Set(At(x, y).m_lat);
        fix.m_lon.Set(At(x, y).m_lon);
        fix.speed = kmh / 1.85318;
        fix.course = course;
        fix.hdop = hdop;
    }
    void Draw() {
        dc.Clear();
        map.Draw(dc, {0, 0, 240, 268});
    }
    Lines Polylines() const {
        Lines out;
        for (const auto& p : dc.Of<PolylineCall>()) out.push_back(p.points);
        return out;
    }
    std::optional<TextCall> Text(std::u16string_view text) const {
        for (const TextCall& t : dc.Of<TextCall>())
            if (t.text == text) return t;
        return std::nullopt;
    }
};

CRect Centred(int x, int y, int width, int height) {
    return {x - width / 2, y - height / 2, x - width / 2 + width, y - height / 2 + height};
}

TEST(GpsMapControl, EmptyModelDrawsBackgroundScaleCoordinatesAndCross) {
    Map m;
    m.Draw();
    const auto& calls = m.dc.Calls();
    ASSERT_EQ(calls.size(), 10u);  // fill, 3 scale lines, text, bar, 2 texts, 2 cross lines
    EXPECT_EQ(std::get<FillRectCall>(calls[0]).colour, 0xFFFFFFu);
    // Scale bar: x0 = 12, y0 = 256, 60 pixels of 1 m.
    EXPECT_EQ(std::get<LineCall>(calls[2]).to, (CPoint{72, 256}));
    EXPECT_EQ(std::get<LineCall>(calls[3]).from, (CPoint{72, 254}));
    const auto& scale = std::get<TextCall>(calls[4]);
    EXPECT_EQ(std::tuple(scale.text, scale.rect, scale.bkMode),
              std::tuple(u"60 m", CRect{14, 241, 134, 255}, BkMode::Transparent));
    // Coordinate bar: 1.3 x 14 = 18 pixels, white on black.
    EXPECT_EQ(std::get<FillRectCall>(calls[5]).rect, (CRect{0, 0, 240, 18}));
    EXPECT_EQ(std::get<TextCall>(calls[6]).text, CLatitude(47).FormatWithHemisphere(2));
    const auto& lon = std::get<TextCall>(calls[7]);
    EXPECT_EQ(
        std::tuple(lon.text, lon.flags, lon.rect, lon.textColour),
        std::tuple(CLongitude(8).FormatWithHemisphere(2),
                   kTextRight | kTextVCenter | kTextSingleLine, CRect{2, 0, 238, 18}, 0xFFFFFFu));
    EXPECT_EQ(std::get<LineCall>(calls[8]).to, (CPoint{120, 140}));
    EXPECT_EQ(std::get<LineCall>(calls[9]).from, (CPoint{115, 134}));
    EXPECT_EQ(m.dc.State(), DCState());  // everything selected was put back
}

TEST(GpsMapControl, CentreCrossHiddenAtTheFix) {
    // Fix offset from the centre, micro-scroll, whether the cross is drawn.
    const int cases[][4] = {{0, 0, 0, 0}, {3, 4, 0, 0}, {6, 0, 0, 1}, {0, -6, 0, 1}, {0, 0, 1, 1}};
    for (const auto& [dx, dy, micro, drawn] : cases) {
        Map m;
        m.Fix(120 + dx, 134 + dy);
        m.map.SetMicroScroll(micro);
        m.Draw();
        const auto lines = m.dc.Of<LineCall>();
        EXPECT_EQ(lines.size() == 5, drawn != 0) << dx << "," << dy << " micro " << micro;
        if (micro) {
            EXPECT_EQ(lines.back().from.x, 120 - 508) << "spans the window";
        }
    }
}

TEST(GpsMapControl, MarkerColourWedgeAndLabelSide) {
    struct Case {
        double kmh, course, hdop;
        Colour quality;
        CPoint apex;            // of the wedge, {0, 0} when none
        int nameTop, speedTop;  // name 16 px high, speed 14, a pixel apart
    } cases[] = {
        // Marker at (120, 100); labels start 11 px below it, or end 11 px above it.
        {2, 200, 0, 0x00FF00, {116, 112}, 74, 59},    {0.5, 200, 0, 0x00FF00, {}, 111, 128},
        {2, 95, 7.5, 0x00FFFF, {133, 101}, 111, 128}, {2, 265, 15, 0x0000FF, {107, 101}, 111, 128},
        {1, 96, 50, 0x0000FF, {133, 101}, 74, 59},    {2, 0, 7.6, 0x00F9FF, {120, 87}, 111, 128}};
    for (const Case& c : cases) {
        Map m;
        m.data.track.shortName = u"me";
        m.Track(m.data.track, {{100, 134}});
        m.Fix(120, 100, c.kmh, c.course, c.hdop);
        m.Draw();
        const auto circles = m.dc.Of<EllipseCall>();
        ASSERT_EQ(circles.size(), 1u);
        EXPECT_EQ(circles[0].rect, (CRect{113, 93, 127, 107}));
        EXPECT_EQ(circles[0].pen.colour, c.quality) << c.hdop;
        const auto polygons = m.dc.Of<PolygonCall>();
        const bool wedge = c.apex != CPoint{};
        ASSERT_EQ(polygons.size(), wedge ? 2u : 1u) << c.kmh;
        EXPECT_EQ(polygons[0].brush.colour, c.quality);
        if (wedge) {
            EXPECT_EQ(polygons[1].brush.colour, 0x4080FFu);
            EXPECT_EQ(polygons[1].points[0], c.apex) << c.course;
        }
        const auto name = m.Text(u"me");
        ASSERT_TRUE(name);
        EXPECT_EQ(name->flags, kTextCenter);
        EXPECT_EQ(name->rect.top, c.nameTop) << c.course << " " << c.kmh;
        EXPECT_EQ(m.Text(FormatSpeed(c.kmh, 0, true).value)->rect.top, c.speedTop);
    }
}

TEST(GpsMapControl, PolylinesClippedBySegmentBoxes) {
    struct Case {
        std::vector<CPoint> oldestFirst;
        Lines expected;
    } cases[] = {{{{10, 30}, {50, 60}, {90, 90}}, {{{90, 90}, {50, 60}, {10, 30}}}},
                 // Crossing the view with both ends outside.
                 {{{-500, 100}, {800, 150}}, {{{800, 150}, {-500, 100}}}},
                 // A run ends with the end of the first segment whose box misses the view.
                 {{{-950, -950}, {-900, -900}, {-500, -500}, {50, 60}, {90, 90}},
                  {{{90, 90}, {50, 60}, {-500, -500}, {-900, -900}}}},
                 {{{10, 30}, {50, 60}, {600, 800}, {700, 900}, {60, 70}, {20, 40}},
                  {{{20, 40}, {60, 70}, {700, 900}, {600, 800}}, {{600, 800}, {50, 60}, {10, 30}}}},
                 {{{-900, -900}, {-800, -700}}, {}}};
    for (const Case& c : cases) {
        Map m;
        for (CPoint p : c.oldestFirst) m.data.route.AddHead(m.At(p.x, p.y));
        m.Draw();
        EXPECT_EQ(m.Polylines(), c.expected) << c.oldestFirst.size();
        // Green, 3 wide; the route's start (tail) gets a magenta dot, its end a red one.
        for (const auto& line : m.dc.Of<PolylineCall>()) EXPECT_EQ(line.pen.width, 3);
        const auto dots = m.dc.Of<EllipseCall>();
        ASSERT_EQ(dots.size(), 2u);
        EXPECT_EQ(std::tuple(dots[0].rect, dots[0].brush.colour, dots[1].brush.colour),
                  std::tuple(Centred(c.oldestFirst[0].x, c.oldestFirst[0].y, 6, 6), 0xFF00FFu,
                             0x0000FFu));
    }
}

TEST(GpsMapControl, TrackOutsideDrawsItsPoisAndAVisibleFixJoinsTheLine) {
    Map m;
    m.Track(m.data.track, {{-900, 50}, {-600, 60}});
    m.data.track.pois.GetAt(0)->AddPoi(u"camp", m.At(100, 100), 1);
    m.Draw();
    EXPECT_TRUE(m.Polylines().empty());
    EXPECT_TRUE(m.dc.Of<EllipseCall>().empty());
    // Framed in the track's colour, a pixel around the 12 x 12 icon.
    const auto fills = m.dc.Of<FillRectCall>();
    EXPECT_EQ(fills.at(1).rect, (CRect{93, 93, 107, 107}));
    EXPECT_EQ(fills.at(1).colour, 0xFFFF00u);
    EXPECT_EQ(m.dc.Of<IconCall>().at(0).icon, PoiTypeIcon(1));

    m.Fix(100, 60, 5, 270);
    m.Draw();
    EXPECT_EQ(m.Polylines(), (Lines{{{100, 60}, {-600, 60}, {-900, 50}}}));
    EXPECT_EQ(m.dc.Of<PolylineCall>().at(0).pen, (CPen{PenStyle::Solid, 2, 0xFFFF00}));
    EXPECT_EQ(m.dc.Of<EllipseCall>().size(), 1u);
}

TEST(GpsMapControl, PoiNamesOnlyAtOrBelowTheProfileViewWidth) {
    // 3000 m across 240 pixels: 12.5 m/px.
    for (const auto& [scale, named] : {std::pair{12.5, true}, {12.6, false}, {1.0, true}}) {
        Map m;
        DisplayProfile profile;
        profile.poiNameViewWidth = 3000;
        m.map.ApplyDisplayProfile(profile);
        m.map.SetScale(scale, false);
        CPoiCategory& general = *m.data.localPois.GetAt(0);
        general.AddPoi(u"Zoo", m.At(60, 60), 13);     // 16 x 8
        general.AddPoi(u"", m.At(80, 80), 0);         // no name
        general.AddPoi(u"Odd", m.At(100, 100), 40);   // no type row: not drawn
        general.AddPoi(u"Away", m.At(-100, 100), 1);  // outside
        m.Draw();
        const auto icons = m.dc.Of<IconCall>();
        ASSERT_EQ(icons.size(), 2u) << scale;
        EXPECT_EQ((CPoint{icons[0].x, icons[0].y}), (CPoint{52, 56}));
        const auto name = m.Text(u"Zoo");
        ASSERT_EQ(name.has_value(), named) << scale;
        if (name) {
            EXPECT_EQ(name->rect, Centred(60, 60 + (8 + 16) / 2, 28, 16));
            EXPECT_EQ(name->textColour, 0x808080u);
        }
        m.map.SetShowPoi(false);
        m.Draw();
        EXPECT_TRUE(m.dc.Of<IconCall>().empty());
    }
}

TEST(GpsMapControl, NavigationLineRingsAndLabels) {
    Map m;
    m.data.navigating = 1;
    m.data.target.m_lat.Set(m.At(120, 34).m_lat);
    m.data.target.m_lon.Set(m.At(120, 34).m_lon);
    m.data.target.name = u"Hut";
    m.Fix(120, 134);
    m.Draw();
    EXPECT_EQ(m.dc.Of<LineCall>().size(), 3u) << "no track point: no navigation line";

    m.Track(m.data.track, {{120, 134}});
    m.Draw();
    const LineCall line = m.dc.Of<LineCall>().at(0);
    EXPECT_EQ(std::tuple(line.from, line.to, line.pen),
              std::tuple(CPoint{120, 134}, CPoint{120, 34}, CPen{PenStyle::Dot, 1, 0xC08080}));
    const auto rings = m.dc.Of<EllipseCall>();  // the marker, then the two rings
    ASSERT_EQ(rings.size(), 3u);
    EXPECT_EQ(std::tuple(rings[1].rect, rings[2].rect, rings[2].pen, rings[2].brush.null),
              std::tuple(Centred(120, 34, 10, 10), Centred(120, 34, 6, 6),
                         CPen{PenStyle::Solid, 1, 0x0000FF}, true));
    // The anchor lies 240 / 4 = 60 px towards the target, at (120, 74).
    ASSERT_TRUE(m.Text(u"100 m"));
    EXPECT_EQ(m.Text(u"100 m")->rect, Centred(120, 74 + 9, 48, 16));
    EXPECT_EQ(m.Text(u"Hut")->rect, Centred(120, 74 - 9, 28, 16));
}

TEST(GpsMapControl, MilestoneDotsAndLabelsOffTheTrack) {
    Map m;
    m.map.SetScale(10, false);
    CGpsTrackCoordinate mark = m.At(120, 134);
    mark.milestone = 1;
    mark.distance = 1500;
    mark.course = 90;
    m.data.track.AddHead(mark);
    CGpsTrackCoordinate next = m.At(160, 134);
    next.course = 90;
    m.data.track.AddHead(next);
    m.Draw();
    const auto dots = m.dc.Of<EllipseCall>();
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(std::tuple(dots[0].rect, dots[0].brush.colour),
              std::tuple(Centred(120, 134, 6, 6), 0xFF0000u));
    // Going east the label goes south: 67 x 14 px, half diagonal 34, 1 + 3 + 34 px away.
    const auto label = m.Text(u"1.500 km");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->rect, Centred(120, 134 + 38, 67 + 2, 14 + 2));
    EXPECT_EQ(label->font.height, 14);
}

TEST(GpsMapControl, PositionTextsAndStatusIcons) {
    Map m;
    m.map.m_messageIcon = {IconId::MessageMarker, 13, 11, true};
    const CCoordinate at = m.At(100, 100);
    m.data.positionTexts.AddPositionText(at.m_lat.value, at.m_lon.value, u"hello", u"555");
    m.data.positionTexts.AddPositionText(0, 0, u"far", u"1");
    m.map.m_playIcon.shown = true;
    m.Draw();
    auto icons = m.dc.Of<IconCall>();  // the message marker first
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ((CPoint{icons[0].x, icons[0].y}), (CPoint{94, 95}));
    EXPECT_EQ((CPoint{icons[1].x, icons[1].y}), (CPoint{228, 252}));
    m.map.m_recordIcon.shown = true;
    m.Draw();
    icons = m.dc.Of<IconCall>();
    ASSERT_EQ(icons.size(), 3u);
    EXPECT_EQ((CPoint{icons[1].x, icons[1].y}), (CPoint{212, 252}));
    EXPECT_EQ((CPoint{icons[2].x, icons[2].y}), (CPoint{200, 252}));
    // The text below the icon's bottom (106), the sender below the text.
    EXPECT_EQ(m.Text(u"hello")->rect, Centred(100, 115, 48, 16));
    EXPECT_EQ(m.Text(u"555")->rect, Centred(100, 115 + 16, 25, 14));
    EXPECT_FALSE(m.Text(u"far"));
    m.map.SetShowPositionMessage(false);
    m.Draw();
    EXPECT_FALSE(m.Text(u"hello"));
}

TEST(GpsMapControl, CommandsRepaintAndFollow) {
    Map m;
    m.map.SetCenter(CCoordinate());
    EXPECT_EQ(m.repaints, 0);
    const CCoordinate tapped = m.At(130, 100);
    EXPECT_TRUE(m.map.OnTap({130, 100}));
    EXPECT_TRUE(m.map.GetCenter().IsSamePosition(tapped));
    EXPECT_EQ(m.repaints, 1);
    m.map.SetVisible(false);
    m.map.Scroll(1.0 / 6, 0);
    EXPECT_TRUE(m.map.GetCenter().IsSamePosition(tapped));
    m.Fix(10, 10);
    EXPECT_FALSE(m.map.FollowFix());
    m.data.track.followFix = 1;
    EXPECT_TRUE(m.map.FollowFix());
    EXPECT_EQ(m.map.GeoToScreen(m.data.track.fix), (CPoint{120, 134}));
    EXPECT_EQ(m.repaints, 2);

    DisplayProfile profile = BuiltInDisplayProfile(1);
    profile.mapScaleTextBold = true;
    m.map.ApplyDisplayProfile(profile);
    m.map.OnCreate();
    m.Draw();
    EXPECT_EQ(m.Text(u"60 m")->font, CreateControlFont(profile.mapScaleTextSize, 700, u"Tahoma"));
}

}  // namespace
}  // namespace rq
