// The map's lines: the route and the tracks with their milestones, position markers and
// labels.
#include <algorithm>
#include <cmath>

#include "controls/GpsMapControl.h"
#include "geo/Earth.h"
#include "geo/Rounding.h"
#include "geo/Units.h"

namespace rq {

namespace {

// The bounding box of the segment a-b meets `area` (CDoubleRect::Intersects of the
// box, written out: it runs once per track point).
inline bool SegmentMeets(const CDoubleRect& area, const CCoordinate& a, const CCoordinate& b) {
    const double lat1 = a.m_lat.value, lat2 = b.m_lat.value;
    const double lon1 = a.m_lon.value, lon2 = b.m_lon.value;
    const double top = lat1 > lat2 ? lat1 : lat2;
    const double bottom = lat1 > lat2 ? lat2 : lat1;
    const double right = lon1 > lon2 ? lon1 : lon2;
    const double left = lon1 > lon2 ? lon2 : lon1;
    return !(bottom > area.top || top < area.bottom || right < area.left || left > area.right);
}

// A stored pen style; values the context does not know draw solid.
PenStyle PenStyleOf(std::uint32_t style) {
    switch (style) {
        case 1:
            return PenStyle::Dash;
        case 2:
            return PenStyle::Dot;
        case 5:
            return PenStyle::Null;
        default:
            return PenStyle::Solid;
    }
}

// The point `distance` pixels from `from` at `degrees` clockwise from up.
CPoint Polar(CPoint from, double degrees, double distance) {
    const double a = degrees * kDegreesToRadians;
    return {from.x + RoundHalfAway(distance * std::sin(a)),
            from.y - RoundHalfAway(distance * std::cos(a))};
}

}  // namespace

void CGpsMapControl::DrawRoute(CDC& dc) {
    CGpsRouteInfo& route = m_pData->route;
    if (route.IsEmpty()) return;
    if (route.GetBounds().Intersects(m_area)) {
        CDCSelect<CPen> pen(dc, CPen{m_routeLineStyle, m_routeLineWidth, m_crRoute});
        DrawClippedPolyline(dc, nullptr, route);
    }
    for (const auto& [end, colour] :
         {std::pair{route.GetTail(), m_crRouteTail}, std::pair{route.GetHead(), m_crRouteHead}}) {
        CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, colour});
        CDCSelect<CBrush> brush(dc, CBrush{colour});
        const CPoint p = m_view.GeoToScreen(*end);
        DrawCircle(dc, p.x, p.y, m_routeLineWidth);
    }
    DrawPois(dc, route.pois, m_crRoute);
}

void CGpsMapControl::DrawTrack(CDC& dc, CGpsTrackInfo& track) {
    if (track.GetBoundsWithFix().Intersects(m_area)) {
        const bool fixValid = track.fix.IsValid();
        if (!track.IsEmpty()) {
            CDCSelect<CPen> pen(dc, CPen{PenStyleOf(track.penStyle),
                                         static_cast<int>(track.penWidth), track.colour});
            DrawClippedPolyline(dc, fixValid ? &track.fix : nullptr, track);
        }
        DrawMilestones(dc, track);
        if (fixValid) {
            const CPoint p = m_view.GeoToScreen(track.fix);
            DrawPositionMarker(dc, track, p, m_view.Width(), m_view.Height());
            if (m_showTrackInfo) DrawTrackLabels(dc, track, p);
        }
    }
    DrawPois(dc, track.pois, track.colour);
}

// Runs of consecutive segments whose boxes meet the view, each run one polyline that
// also takes the end of the first segment leaving the view. Every point is projected
// at most once per run into the kept buffer.
void CGpsMapControl::DrawClippedPolyline(CDC& dc, const CCoordinate* lead, const CGpsTrack& track) {
    const std::size_t needed = track.GetCount() + 1;
    if (m_points.size() < needed) m_points.resize(needed);
    CPoint* const buffer = m_points.data();
    const CDoubleRect area = m_area;
    int run = 0;
    const CCoordinate* previous = lead;
    for (const CGpsTrackCoordinate& point : track.Points()) {
        if (previous) {
            if (SegmentMeets(area, *previous, point)) {
                if (run == 0) buffer[run++] = m_view.GeoToScreen(*previous);
                buffer[run++] = m_view.GeoToScreen(point);
            } else if (run > 0) {
                buffer[run++] = m_view.GeoToScreen(point);
                dc.Polyline(buffer, run);
                run = 0;
            }
        }
        previous = &point;
    }
    if (run > 0) dc.Polyline(buffer, run);
}

void CGpsMapControl::DrawMilestones(CDC& dc, const CGpsTrack& track) {
    CDCSelect<CFont> font(dc, m_smallFont);
    CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, m_crMilestone});
    CDCSelect<CBrush> brush(dc, CBrush{m_crMilestone});
    const Colour oldColour = dc.SetTextColor(m_crMilestoneText);
    const CGpsTrackCoordinate* before = nullptr;
    for (const CGpsTrackCoordinate& point : track.Points()) {
        if (point.milestone && m_area.Contains(point)) {
            const CPoint p = m_view.GeoToScreen(point);
            DrawCircle(dc, p.x, p.y, m_milestoneRadius);
            const std::u16string label =
                FormatDistance(point.distance, static_cast<int>(m_pData->unitMode), 0, 3, true)
                    .value;
            // Away from the track: opposite the mean of the ways in and out.
            const double a = NormalizeDegrees(point.course);
            double b = before ? NormalizeDegrees((before->course + a + 180) * 0.5) : a;
            const double turn = std::fabs(b - a);
            if (turn < 90 || turn > 270) b = NormalizeDegrees(b + 180);
            const CSize size = dc.GetTextExtent(label);
            const int halfDiagonal = static_cast<int>(
                std::sqrt(double(size.cx) * size.cx + double(size.cy) * size.cy) / 2);
            const double metres = (1 + m_milestoneRadius + halfDiagonal) * m_view.GetScale();
            CCoordinate from(point);
            const CPoint c = m_view.GeoToScreen(from.FlatMoved(CCourse(b, metres)));
            const int left = c.x - size.cx / 2 - 1;
            const int top = c.y - size.cy / 2 - 1;
            dc.DrawText(label, {left, top, left + size.cx + 2, top + size.cy + 2},
                        kTextCenter | kTextVCenter | kTextSingleLine);
        }
        before = &point;
    }
    dc.SetTextColor(oldColour);
}

void CGpsMapControl::DrawPositionMarker(CDC& dc, const CGpsTrackInfo& track, CPoint at, int width,
                                        int height) {
    const CGpsPosition& fix = track.fix;
    // HDOP 0 is green, 7.5 yellow, 15 and more red.
    const Colour quality = SignalColor(TruncToInt((15 - fix.hdop) * 100 / 15));
    const double heading = fix.course;
    {
        CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, quality});
        DrawCircle(dc, at.x, at.y, m_markerRadius);
        CDCSelect<CBrush> brush(dc, CBrush{quality});
        const CPoint arrow[] = {Polar(at, heading, m_arrowSize),
                                Polar(at, heading + 150, m_arrowSize),
                                Polar(at, heading - 150, m_arrowSize)};
        dc.Polygon(arrow, 3);
    }
    if (fix.speed * kKnotsToKmh < m_minHeadingSpeed) return;
    // The far corners lie beyond the window's edge whatever the heading.
    const double reach = height / 2 + width / 2;
    CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, m_crHeading});
    CDCSelect<CBrush> brush(dc, CBrush{m_crHeading});
    const CPoint wedge[] = {Polar(at, heading, m_headingGap), Polar(at, heading + 2, reach),
                            Polar(at, heading - 2, reach)};
    dc.Polygon(wedge, 3);
}

void CGpsMapControl::DrawTrackLabels(CDC& dc, CGpsTrackInfo& track, CPoint at) {
    const double kmh = track.fix.speed * kKnotsToKmh;
    const double heading = NormalizeDegrees(track.fix.course);
    // Heading down the screen and moving: the labels go above, out of the wedge's way.
    const int side = heading > 95 && heading < 265 && kmh >= m_minHeadingSpeed ? -1 : 1;
    int y = at.y + (m_markerRadius + 4) * side;
    const Colour oldColour = dc.SetTextColor(m_crTrackText);
    auto label = [&](std::u16string_view text, const CFont& font, unsigned flags) {
        CDCSelect<CFont> selected(dc, font);
        const CSize size = dc.GetTextExtent(text);
        const int top = side > 0 ? y : y - size.cy + 1;
        const int left = at.x - size.cx / 2;
        dc.DrawText(text, {left, top, left + size.cx, top + size.cy}, flags);
        y += (size.cy + 1) * side;
    };
    const std::u16string& name = track.shortName.empty() ? track.ownerId : track.shortName;
    if (!name.empty()) label(name, m_normalFont, kTextCenter);
    const int units = static_cast<int>(m_pData->unitMode);
    label(FormatSpeed(kmh, units, true).value, m_smallFont, kTextCenter | kTextSingleLine);
    label(FormatDistance(track.GetMileage(), units, 0, 3, true).value, m_smallFont,
          kTextCenter | kTextSingleLine);
    dc.SetTextColor(oldColour);
}

}  // namespace rq
