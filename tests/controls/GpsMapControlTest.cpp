#include <gtest/gtest.h>

#include "app/DisplayProfile.h"
#include "controls/GpsMapControl.h"
#include "support/RecordingDC.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

using namespace test;

// A 240 x 268 map at 1 m/px centred at 47 N 8 E; places are given in pixels.
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
    CCoordinate At(int x, int y) const { return map.ScreenToGeo({x, y}); }
    CGpsTrackCoordinate Point(int x, int y) const {
        const CCoordinate c = At(x, y);
        return CGpsTrackCoordinate(c.m_lat.value, c.m_lon.value);
    }
    // Points given oldest first.
    void Track(CGpsTrack& track, std::initializer_list<CPoint> points) {
        for (CPoint p : points) track.AddHead(Point(p.x, p.y));
    }
    void Fix(int x, int y, double kmh = 0, double course = 0, double hdop = 1) {
        CGpsPosition& fix = data.track.fix;
        fix = CGpsPosition();
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
    std::vector<std::vector<CPoint>> Polylines() const {
        std::vector<std::vector<CPoint>> out;
        for (const auto& p : dc.Of<PolylineCall>()) out.push_back(p.points);
        return out;
    }
    const TextCall* Text(std::u16string_view text) const {
        for (const DrawCall& c : dc.Calls())
            if (auto t = std::get_if<TextCall>(&c); t && t->text == text) return t;
        return nullptr;
    }
};

TEST(GpsMapControl, EmptyModelDrawsBackgroundScaleCoordinatesAndCross) {
    Map m;
    m.Draw();
    const auto& calls = m.dc.Calls();
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(std::get<FillRectCall>(calls[0]).rect, (CRect{0, 0, 240, 268}));
    EXPECT_EQ(std::get<FillRectCall>(calls[0]).colour, 0xFFFFFFu);
    // Scale bar: x0 = 12, y0 = 256, 60 pixels of 1 m.
    const CPoint bar[][2] = {
        {{12, 254}, {12, 259}}, {{12, 256}, {72, 256}}, {{72, 254}, {72, 259}}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(std::get<LineCall>(calls[1 + i]).from, bar[i][0]);
        EXPECT_EQ(std::get<LineCall>(calls[1 + i]).to, bar[i][1]);
    }
    const auto& scale = std::get<TextCall>(calls[4]);
    EXPECT_EQ(scale.text, u"60 m");
    EXPECT_EQ(scale.rect, (CRect{14, 256 - 14 - 1, 14 + 120, 255}));
    EXPECT_EQ(scale.bkMode, BkMode::Transparent);
    // Coordinate bar: 1.3 x 14 = 18 pixels high, white on black.
    EXPECT_EQ(std::get<FillRectCall>(calls[5]).rect, (CRect{0, 0, 240, 18}));
    EXPECT_EQ(std::get<FillRectCall>(calls[5]).colour, 0u);
    const auto& lat = std::get<TextCall>(calls[6]);
    const auto& lon = std::get<TextCall>(calls[7]);
    EXPECT_EQ(lat.text, CLatitude(47).FormatWithHemisphere(2));
    EXPECT_EQ(lon.text, CLongitude(8).FormatWithHemisphere(2));
    EXPECT_EQ(lat.flags, kTextLeft | kTextVCenter | kTextSingleLine);
    EXPECT_EQ(lon.flags, kTextRight | kTextVCenter | kTextSingleLine);
    EXPECT_EQ(lon.rect, (CRect{2, 0, 238, 18}));
    EXPECT_EQ(lon.textColour, 0xFFFFFFu);
    EXPECT_EQ(std::get<LineCall>(calls[8]).from, (CPoint{120, 129}));
    EXPECT_EQ(std::get<LineCall>(calls[8]).to, (CPoint{120, 140}));
    EXPECT_EQ(std::get<LineCall>(calls[9]).from, (CPoint{115, 134}));
    EXPECT_EQ(std::get<LineCall>(calls[9]).to, (CPoint{126, 134}));
    EXPECT_EQ(m.dc.State(), DCState());  // everything selected was put back
}

TEST(GpsMapControl, CentreCrossHiddenAtTheFix) {
    struct Case {
        int dx, dy;
        bool micro, drawn;
    };
    const Case cases[] = {{0, 0, false, false},
                          {3, 4, false, false},
                          {6, 0, false, true},
                          {0, -6, false, true},
                          {0, 0, true, true}};
    for (const Case& c : cases) {
        Map m;
        m.Fix(120 + c.dx, 134 + c.dy);
        m.map.SetMicroScroll(c.micro);
        m.Draw();
        const auto lines = m.dc.Of<LineCall>();
        const bool crossDrawn = lines.size() == 5;
        EXPECT_EQ(crossDrawn, c.drawn) << c.dx << "," << c.dy << " micro " << c.micro;
        if (c.micro) {
            EXPECT_EQ(lines.back().from.x, 120 - 508);
        }
    }
}

TEST(GpsMapControl, MarkerColourWedgeAndLabelSide) {
    struct Case {
        double kmh, course, hdop;
        Colour quality;
        CPoint apex;            // of the wedge, {0, 0} when none
        int nameTop, speedTop;  // name 16 px high, speed 14, a pixel apart
    };
    // Marker at (120, 100); labels start 11 px below it, or end 11 px above it.
    const Case cases[] = {
        {2, 200, 0, 0x00FF00, {116, 112}, 74, 59},    {0.5, 200, 0, 0x00FF00, {}, 111, 128},
        {2, 95, 7.5, 0x00FFFF, {133, 101}, 111, 128}, {2, 265, 15, 0x0000FF, {107, 101}, 111, 128},
        {1, 96, 50, 0x0000FF, {133, 101}, 74, 59},    {2, 0, 7.6, 0x00F9FF, {120, 87}, 111, 128},
    };
    for (const Case& c : cases) {
        Map m;
        m.data.track.shortName = u"me";
        m.Track(m.data.track, {{100, 134}});
        m.Fix(120, 100, c.kmh, c.course, c.hdop);
        m.Draw();
        const auto ellipses = m.dc.Of<EllipseCall>();
        ASSERT_EQ(ellipses.size(), 1u);
        EXPECT_EQ(ellipses[0].rect, (CRect{113, 93, 127, 107}));
        EXPECT_EQ(ellipses[0].pen.colour, c.quality) << c.hdop;
        const auto polygons = m.dc.Of<PolygonCall>();
        const bool wedge = c.apex != CPoint{};
        ASSERT_EQ(polygons.size(), wedge ? 2u : 1u) << c.kmh;
        EXPECT_EQ(polygons[0].brush.colour, c.quality);
        if (wedge) {
            EXPECT_EQ(polygons[1].brush.colour, 0x4080FFu);
            EXPECT_EQ(polygons[1].points[0], c.apex) << c.course;
        }
        const TextCall* name = m.Text(u"me");
        const TextCall* speed = m.Text(FormatSpeed(c.kmh, 0, true).value);
        ASSERT_TRUE(name && speed);
        EXPECT_EQ(name->flags, kTextCenter);
        EXPECT_EQ(name->rect.top, c.nameTop) << c.course << " " << c.kmh;
        EXPECT_EQ(speed->rect.top, c.speedTop) << c.course << " " << c.kmh;
    }
}

TEST(GpsMapControl, PolylinesClippedByTheirSegmentBoxes) {
    struct Case {
        std::vector<CPoint> points;  // oldest first
        std::vector<std::vector<CPoint>> expected;
    };
    const Case cases[] = {
        // Wholly in view: one line, newest first.
        {{{10, 30}, {50, 60}, {90, 90}}, {{{90, 90}, {50, 60}, {10, 30}}}},
        // Crossing the view with both ends outside.
        {{{-500, 100}, {800, 150}}, {{{800, 150}, {-500, 100}}}},
        // Leaving the view: the run keeps the end of the first segment whose box misses
        // the view; the segments after it are culled.
        {{{-950, -950}, {-900, -900}, {-500, -500}, {50, 60}, {90, 90}},
         {{{90, 90}, {50, 60}, {-500, -500}, {-900, -900}}}},
        // Out and back in: two runs.
        {{{10, 30}, {50, 60}, {600, 800}, {700, 900}, {60, 70}, {20, 40}},
         {{{20, 40}, {60, 70}, {700, 900}, {600, 800}}, {{600, 800}, {50, 60}, {10, 30}}}},
        // Wholly outside: nothing.
        {{{-900, -900}, {-800, -700}}, {}},
    };
    for (const Case& c : cases) {
        Map m;
        for (CPoint p : c.points) m.data.route.AddHead(m.Point(p.x, p.y));
        m.Draw();
        EXPECT_EQ(m.Polylines(), c.expected) << c.points.size();
        for (const auto& line : m.dc.Of<PolylineCall>())
            EXPECT_EQ(line.pen, (CPen{PenStyle::Solid, 3, 0x00FF00}));
        // End dots: the start (tail) magenta, the end (head) red.
        const auto dots = m.dc.Of<EllipseCall>();
        ASSERT_EQ(dots.size(), 2u);
        const CPoint tail = c.points.front(), head = c.points.back();
        EXPECT_EQ(dots[0].rect, (CRect{tail.x - 3, tail.y - 3, tail.x + 3, tail.y + 3}));
        EXPECT_EQ(dots[0].brush.colour, 0xFF00FFu);
        EXPECT_EQ(dots[1].rect, (CRect{head.x - 3, head.y - 3, head.x + 3, head.y + 3}));
        EXPECT_EQ(dots[1].brush.colour, 0x0000FFu);
    }
}

TEST(GpsMapControl, TrackOutsideDrawsOnlyItsPoisAndFixJoinsTheLine) {
    Map m;
    m.Track(m.data.track, {{-900, 50}, {-600, 60}});
    m.data.track.pois.GetAt(0)->AddPoi(u"camp", m.At(100, 100), 1);
    m.Draw();
    EXPECT_TRUE(m.Polylines().empty());
    EXPECT_TRUE(m.dc.Of<EllipseCall>().empty());
    // Track POIs are framed in the track's colour, one pixel around the icon.
    const auto fills = m.dc.Of<FillRectCall>();
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[1].rect, (CRect{93, 93, 107, 107}));
    EXPECT_EQ(fills[1].colour, 0xFFFF00u);
    EXPECT_EQ(m.dc.Of<IconCall>().at(0).icon, PoiTypeIcon(1));

    m.Fix(100, 60, 5, 270);
    m.Draw();
    EXPECT_EQ(m.Polylines(),
              (std::vector<std::vector<CPoint>>{{{100, 60}, {-600, 60}, {-900, 50}}}));
    EXPECT_EQ(m.dc.Of<PolylineCall>().at(0).pen, (CPen{PenStyle::Solid, 2, 0xFFFF00}));
    EXPECT_EQ(m.dc.Of<EllipseCall>().size(), 1u);
}

TEST(GpsMapControl, PoiNamesOnlyAtOrBelowTheProfileViewWidth) {
    struct Case {
        double scale;
        bool named;
    };
    // 3000 m across 240 pixels: 12.5 m/px.
    for (const Case& c : {Case{12.5, true}, Case{12.6, false}, Case{1, true}}) {
        Map m;
        DisplayProfile profile;
        profile.poiNameViewWidth = 3000;
        m.map.ApplyDisplayProfile(profile);
        m.map.SetScale(c.scale, false);
        CPoiCategory& general = *m.data.localPois.GetAt(0);
        general.AddPoi(u"Zoo", m.At(60, 60), 13);     // 16 x 8
        general.AddPoi(u"", m.At(80, 80), 0);         // no name
        general.AddPoi(u"Odd", m.At(100, 100), 40);   // no type row: not drawn
        general.AddPoi(u"Away", m.At(-100, 100), 1);  // outside
        m.Draw();
        const auto icons = m.dc.Of<IconCall>();
        ASSERT_EQ(icons.size(), 2u) << c.scale;
        EXPECT_EQ(icons[0].x, 52);
        EXPECT_EQ(icons[0].y, 56);
        const TextCall* name = m.Text(u"Zoo");
        EXPECT_EQ(name != nullptr, c.named) << c.scale;
        if (name) {  // centred on (60, 60 + (8 + 16) / 2)
            EXPECT_EQ(name->rect, (CRect{60 - 14, 72 - 8, 60 - 14 + 28, 72 + 8}));
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
    const CCoordinate target = m.At(120, 34);
    m.data.target.m_lat.Set(target.m_lat);
    m.data.target.m_lon.Set(target.m_lon);
    m.data.target.name = u"Hut";
    m.Fix(120, 134);
    m.Draw();
    EXPECT_EQ(m.dc.Of<LineCall>().size(), 3u) << "no track point: no navigation line";

    m.Track(m.data.track, {{120, 134}});
    m.Draw();
    const auto lines = m.dc.Of<LineCall>();
    EXPECT_EQ(lines[0].from, (CPoint{120, 134}));
    EXPECT_EQ(lines[0].to, (CPoint{120, 34}));
    EXPECT_EQ(lines[0].pen, (CPen{PenStyle::Dot, 1, 0xC08080}));
    const auto rings = m.dc.Of<EllipseCall>();
    ASSERT_EQ(rings.size(), 3u);  // the marker, then the two rings
    EXPECT_EQ(rings[1].rect, (CRect{115, 29, 125, 39}));
    EXPECT_EQ(rings[2].rect, (CRect{117, 31, 123, 37}));
    EXPECT_EQ(rings[2].pen, (CPen{PenStyle::Solid, 1, 0x0000FF}));
    EXPECT_TRUE(rings[2].brush.null);
    // Anchor 240 / 4 = 60 px towards the target: (120, 74).
    const TextCall* distance = m.Text(u"100 m");
    ASSERT_NE(distance, nullptr);
    EXPECT_EQ(distance->rect, (CRect{120 - 24, 74 + 9 - 8, 120 + 24, 74 + 9 + 8}));
    EXPECT_EQ(distance->textColour, 0xC08080u);
    EXPECT_EQ(m.Text(u"Hut")->rect, (CRect{120 - 14, 74 - 9 - 8, 120 + 14, 74 - 9 + 8}));
}

TEST(GpsMapControl, MilestoneDotsAndLabelsOffTheTrack) {
    Map m;
    m.map.SetScale(10, false);
    // Going east: the label is pushed across the track, north or south of the dot.
    CGpsTrackCoordinate mark = m.Point(120, 134);
    mark.milestone = 1;
    mark.distance = 1500;
    mark.course = 90;
    m.data.track.AddHead(mark);
    CGpsTrackCoordinate next = m.Point(160, 134);
    next.course = 90;
    m.data.track.AddHead(next);
    m.Draw();
    const auto dots = m.dc.Of<EllipseCall>();
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(dots[0].rect, (CRect{117, 131, 123, 137}));
    EXPECT_EQ(dots[0].brush.colour, 0xFF0000u);
    const TextCall* label = m.Text(u"1.500 km");
    ASSERT_NE(label, nullptr);
    // 8 characters of 14 px: 67 x 14, half diagonal 34; 1 + 3 + 34 = 38 px away.
    const int cx = (label->rect.left + label->rect.right) / 2;
    const int cy = (label->rect.top + label->rect.bottom) / 2;
    EXPECT_EQ(label->rect.Width(), 67 + 2);
    EXPECT_NEAR(cx, 120, 1);
    EXPECT_NEAR(std::abs(cy - 134), 38, 1);
    EXPECT_EQ(label->font.height, 14);
}

TEST(GpsMapControl, PositionTextsAndStatusIcons) {
    Map m;
    m.map.m_messageIcon = {IconId::MessageMarker, 13, 11, true};
    m.data.positionTexts.AddPositionText(m.At(100, 100).m_lat.value, m.At(100, 100).m_lon.value,
                                         u"hello", u"555");
    m.data.positionTexts.AddPositionText(0, 0, u"far", u"1");
    struct Case {
        bool record, play;
        std::vector<CPoint> icons;
    };
    const Case cases[] = {{false, false, {}},
                          {true, false, {{212, 252}}},
                          {false, true, {{228, 252}}},
                          {true, true, {{212, 252}, {200, 252}}}};
    for (const Case& c : cases) {
        m.map.m_recordIcon.shown = c.record;
        m.map.m_playIcon.shown = c.play;
        m.Draw();
        const auto icons = m.dc.Of<IconCall>();
        ASSERT_EQ(icons.size(), 1 + c.icons.size());
        EXPECT_EQ(icons[0].x, 94);
        EXPECT_EQ(icons[0].y, 95);
        for (std::size_t i = 0; i < c.icons.size(); ++i)
            EXPECT_EQ((CPoint{icons[1 + i].x, icons[1 + i].y}), c.icons[i]);
    }
    // Text below the icon (y 106), its centre 9 lower; the sender 16 further down.
    EXPECT_EQ(m.Text(u"hello")->rect, (CRect{100 - 24, 115 - 8, 100 + 24, 115 + 8}));
    EXPECT_EQ(m.Text(u"555")->rect.top, 115 + 16 - 7);
    EXPECT_EQ(m.Text(u"far"), nullptr);
    m.map.SetShowPositionMessage(false);
    m.Draw();
    EXPECT_EQ(m.Text(u"hello"), nullptr);
}

TEST(GpsMapControl, ViewportCommandsRepaint) {
    Map m;
    const int before = m.repaints;
    m.map.SetCenter(CCoordinate());
    EXPECT_EQ(m.repaints, before);
    const CCoordinate tapped = m.At(130, 100);
    EXPECT_TRUE(m.map.OnTap({130, 100}));
    EXPECT_TRUE(m.map.GetCenter().IsSamePosition(tapped));
    EXPECT_EQ(m.repaints, before + 1);
    m.map.SetVisible(false);
    m.map.Scroll(1.0 / 6, 0);
    EXPECT_TRUE(m.map.GetCenter().IsSamePosition(tapped));
    m.map.SetVisible(true);
    m.map.Scroll(1.0 / 6, 0);
    EXPECT_EQ(m.map.GeoToScreen(tapped), (CPoint{80, 134}));
    // Follow mode brings the centre back to a valid fix only while the flag is on.
    m.Fix(10, 10);
    EXPECT_FALSE(m.map.FollowFix());
    m.data.track.followFix = 1;
    EXPECT_TRUE(m.map.FollowFix());
    EXPECT_EQ(m.map.GeoToScreen(m.data.track.fix), (CPoint{120, 134}));
    // Profile fonts.
    DisplayProfile profile = BuiltInDisplayProfile(1);
    profile.mapScaleTextBold = true;
    m.map.ApplyDisplayProfile(profile);
    m.map.OnCreate();
    m.Draw();
    EXPECT_EQ(m.Text(u"60 m")->font, CreateControlFont(profile.mapScaleTextSize, 700, u"Tahoma"));
    EXPECT_EQ(m.Text(u"0.0 km/h")->font,
              CreateControlFont(profile.mapSmallTextSize, 400, u"Tahoma"));
}

}  // namespace
}  // namespace rq
