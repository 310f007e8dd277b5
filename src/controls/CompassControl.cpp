#include "controls/CompassControl.h"

#include <cmath>

#include "controls/SatelliteControl.h"
#include "geo/Rounding.h"
#include "geo/Units.h"
#include "platform/Text.h"

namespace rq {

namespace {

constexpr Colour kRim = 0xC0C0C0;

}  // namespace

CCompassTargetMemory& CCompassTargetMemory::Program() {
    static CCompassTargetMemory memory;
    return memory;
}

CCompassControl::CCompassControl(const CControlModel& data, CCompassTargetMemory& memory)
    : CGpsControl(data), m_memory(memory) {}

bool CCompassControl::OnCreate() {
    m_headingFont = CreateControlFont(m_headingFontSize, 700, m_faceName);
    m_smallFont = CreateControlFont(m_smallFontSize, 400, m_faceName);
    m_largeFont = CreateControlFont(m_largeFontSize, 700, m_faceName);
    return true;
}

void CCompassControl::ApplyProfile(const DisplayProfile& profile) {
    m_headingFontSize = profile.compassHeadingFontSize;
    m_smallFontSize = profile.compassSmallScaleFontSize;
    m_largeFontSize = profile.compassLargeScaleFontSize;
}

int CCompassControl::Course() const {
    return TruncToInt(m_pData->track.fix.course);
}

CPoint CCompassControl::PolarToPoint(int elevation, int azimuth, const CRect& rect) const {
    return CGpsControl::PolarToPoint(elevation, azimuth - Course(), rect);
}

void CCompassControl::FillCircle(CDC& dc, CPoint centre, int radius, Colour colour) const {
    CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, colour});
    CDCSelect<CBrush> brush(dc, CBrush{colour});
    DrawCircle(dc, centre.x, centre.y, radius);
}

void CCompassControl::Draw(CDC& dc, const CRect& rect) {
    CDCStateSaver saver(dc);
    const int c = Course();
    dc.SetBkMode(BkMode::Transparent);
    const CRect square = CSatelliteControl::PlotSquare(rect);
    const int dotRadius = 6 * square.Width() / 180;

    dc.FillRect(rect, m_crBackground);
    {
        CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, kRim});
        CDCSelect<CBrush> brush(dc, CBrush{0xFFFFFF});
        dc.Ellipse(square);
        for (int a = 0; a < 360; a += 10)
            dc.Line(PolarToPoint(a % 30 == 0 ? 10 : 5, a, square), PolarToPoint(0, a, square));
    }
    FillCircle(dc, PolarToPoint(6, c, square), dotRadius, m_crHeadingMark);

    const CPoint p1 = PolarToPoint(15, 0, square);
    const CPoint p2 = PolarToPoint(15, 180, square);
    const CPoint p3 = PolarToPoint(80, 90, square);
    const CPoint p4 = PolarToPoint(80, 270, square);
    for (const auto& [tip, colour] : {std::pair{p1, m_crNorth}, std::pair{p2, m_crSouth}}) {
        CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, colour});
        CDCSelect<CBrush> brush(dc, CBrush{colour});
        const CPoint triangle[] = {tip, p3, p4};
        dc.Polygon(triangle, 3);
    }

    DrawTarget(dc, square, c);

    dc.Select(m_largeFont);
    dc.SetTextColor(m_crMajorLabel);
    DrawPolarText(dc, u"E", 20, 90, square);
    DrawPolarText(dc, u"W", 20, 270, square);
    dc.Select(m_smallFont);
    dc.SetTextColor(m_crMinorLabel);
    // 220, not 225: the south-west label sits a little off the diagonal.
    const std::pair<const char16_t*, int> minor[] = {
        {u"NE", 45}, {u"SE", 135}, {u"SW", 220}, {u"NW", 315}};
    for (const auto& [text, azimuth] : minor) DrawPolarText(dc, text, 20, azimuth, square);

    dc.Select(m_headingFont);
    dc.SetTextColor(m_crHeadingText);
    DrawPolarText(dc, platform::Widen(std::to_string(c)), 45, c, square);
}

void CCompassControl::DrawTarget(CDC& dc, const CRect& square, int c) const {
    CGpsPosition& fix = m_pData->track.fix;
    if (!m_pData->navigating || !fix.IsValid()) return;
    const CCourseFlat way = m_pData->target.FlatCourseFrom(fix);
    const double d = way.distance;
    if (d > m_memory.distance)
        m_memory.colour = m_crRecede;
    else if (d < m_memory.distance)
        m_memory.colour = m_crApproach;
    m_memory.distance = d;
    FillCircle(dc, PolarToPoint(6, TruncToInt(way.value), square), 6 * square.Width() / 180,
               m_memory.colour);

    const ValueText text = FormatDistance(d, static_cast<int>(m_pData->unitMode), 0, 3, false);
    const CPoint anchor = PolarToPoint(45, c + 180, square);
    dc.SetTextColor(m_crDistanceText);
    {
        CDCSelect<CFont> font(dc, m_headingFont);
        const int h = dc.GetTextExtent(text.value).cy;
        DrawTextCentredOn(dc, text.value, {anchor.x, anchor.y - h / 2});
    }
    CDCSelect<CFont> font(dc, m_smallFont);
    const int h = dc.GetTextExtent(text.unit).cy;
    DrawTextCentredOn(dc, text.unit, {anchor.x, anchor.y + h / 2});
}

}  // namespace rq
