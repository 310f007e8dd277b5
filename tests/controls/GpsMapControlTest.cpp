#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "app/DisplayProfile.h"
#include "controls/GpsMapControl.h"
#include "support/DrawingText.h"
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

// The background, the scale bar of 60 pixels (of 1 m) from (12, 256), the coordinate
// bar 1.3 x 14 pixels high, white on black, and the centre cross.
TEST(GpsMapControl, EmptyModelDrawsBackgroundScaleCoordinatesAndCross) {
    Map m;
    m.Draw();
    ExpectDrawing(m.dc, "controls/map-empty.txt");
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
    for (const auto& row : CaseTable("controls/map-markers.txt")) {
        Map m;
        m.data.track.shortName = u"me";
        m.Track(m.data.track, {{100, 134}});
        const double kmh = std::stod(row[0]);
        m.Fix(120, 100, kmh, std::stod(row[1]), std::stod(row[2]));
        m.Draw();
        const Colour quality = std::stoul(row[3], nullptr, 16);
        const auto circles = m.dc.Of<EllipseCall>();
        ASSERT_EQ(circles.size(), 1u);
        EXPECT_EQ(circles[0].rect, (CRect{113, 93, 127, 107}));
        EXPECT_EQ(circles[0].pen.colour, quality) << row[2];
        const auto polygons = m.dc.Of<PolygonCall>();
        ASSERT_EQ(polygons.size(), row[4].empty() ? 1u : 2u) << row[0];
        EXPECT_EQ(polygons[0].brush.colour, quality);
        if (!row[4].empty()) {
            EXPECT_EQ(polygons[1].brush.colour, 0x4080FFu);
            const CPoint apex = polygons[1].points[0];
            EXPECT_EQ(std::to_string(apex.x) + "," + std::to_string(apex.y), row[4]) << row[1];
        }
        const auto name = m.Text(u"me");
        ASSERT_TRUE(name);
        EXPECT_EQ(name->flags, kTextCenter);
        EXPECT_EQ(name->rect.top, std::stoi(row[5])) << row[1] << " " << row[0];
        EXPECT_EQ(m.Text(FormatSpeed(kmh, 0, true).value)->rect.top, std::stoi(row[6]));
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

// A track outside the view draws no line but its POI, framed a pixel around the icon in
// the track's colour; a visible fix joins the line, in the track's pen, and its marker.
TEST(GpsMapControl, TrackOutsideDrawsItsPoisAndAVisibleFixJoinsTheLine) {
    Map m;
    m.Track(m.data.track, {{-900, 50}, {-600, 60}});
    m.data.track.pois.GetAt(0)->AddPoi(u"camp", m.At(100, 100), 1);
    m.Draw();
    ExpectDrawing(m.dc, "controls/map-track-outside.txt");
    m.Fix(100, 60, 5, 270);
    m.Draw();
    ExpectDrawing(m.dc, "controls/map-track-and-fix.txt");
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

    // The dotted line to the target, its two rings, the distance and the name on either
    // side of the anchor 240 / 4 = 60 pixels towards the target.
    m.Track(m.data.track, {{120, 134}});
    m.Draw();
    ExpectDrawing(m.dc, "controls/map-navigation.txt");
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
    ExpectDrawing(m.dc, "controls/map-milestone.txt");
}

TEST(GpsMapControl, PositionTextsAndStatusIcons) {
    Map m;
    m.map.m_messageIcon = {IconId::MessageMarker, 13, 11, true};
    const CCoordinate at = m.At(100, 100);
    m.data.positionTexts.AddPositionText(at.m_lat.value, at.m_lon.value, u"hello", u"555");
    m.data.positionTexts.AddPositionText(0, 0, u"far", u"1");
    m.map.m_playIcon.shown = true;
    m.Draw();
    const IconCall play = m.dc.Of<IconCall>().at(1);  // alone in the corner
    EXPECT_EQ((CPoint{play.x, play.y}), (CPoint{228, 252}));
    m.map.m_recordIcon.shown = true;
    m.Draw();
    ExpectDrawing(m.dc, "controls/map-position-texts.txt");
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
