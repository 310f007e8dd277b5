#include "controls/SatelliteControl.h"

#include <algorithm>
#include <cstdio>

#include "platform/Text.h"

namespace rq {

namespace {

constexpr Colour kGrid = 0xC0C0C0;
constexpr Colour kGridText = 0x808080;
constexpr Colour kBlack = 0x000000;
constexpr Colour kActivity = 0x00FF00;
constexpr char16_t kFace[] = u"Microsoft Sans Serif";
// The marker as the satellite table holds it, in whole degrees.
constexpr int kUnsetDegrees = -987654321;

std::u16string Format(const char* pattern, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return platform::Widen(buffer);
}

std::u16string Format(const char* pattern, int a, int b = 0) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return platform::Widen(buffer);
}

std::u16string StatusText(const CGpsPosition& fix) {
    std::u16string text = fix.gpsQuality == 1 ? u"Fix" : fix.gpsQuality == 2 ? u"DFix" : u"-";
    text += fix.fixMode == 2 ? u"|2D" : fix.fixMode == 3 ? u"|3D" : u"|-";
    text += fix.selectionMode == 1 ? u"|M" : fix.selectionMode == 2 ? u"|A" : u"|-";
    return text;
}

}  // namespace

CSatelliteControl::CSatelliteControl(const CControlModel& data) : CGpsControl(data) {}

bool CSatelliteControl::OnCreate() {
    m_fontPlot = CreateControlFont(m_plotFontHeight, 400, kFace);
    m_fontCorner = CreateControlFont(m_cornerFontHeight, 400, kFace);
    return true;
}

void CSatelliteControl::ApplyProfile(const DisplayProfile& profile) {
    m_plotFontHeight = profile.satelliteFontHeight;
    m_cornerFontHeight = profile.satelliteCornerFontHeight;
}

void CSatelliteControl::SetShowNumber() {
    m_showNumber = 1;
    m_showSignal = 0;
    Invalidate();
}

void CSatelliteControl::SetShowSignal() {
    m_showNumber = 0;
    m_showSignal = 1;
    Invalidate();
}

CRect CSatelliteControl::PlotSquare(const CRect& rect) {
    const int w = rect.Width();
    const int h = rect.Height();
    if (w < h) {
        const int top = rect.top + (h - w) / 2;
        return {rect.left, top, rect.right, top + w};
    }
    const int left = rect.left + (w - h) / 2;
    return {left, rect.top, left + h, rect.bottom};
}

void CSatelliteControl::Draw(CDC& dc, const CRect& rect) {
    CDCStateSaver saver(dc);
    dc.Select(m_fontPlot);
    dc.SetBkMode(BkMode::Transparent);
    const CRect square = PlotSquare(rect);
    dc.FillRect(rect, m_crBackground);
    DrawGrid(dc, square);
    DrawSatellites(dc, square);
    DrawCorners(dc, rect);

    const int s = rect.Width() / 20;
    CRect bar{rect.left + 1, rect.bottom - s - 1, rect.left + s / 2 + 1, rect.bottom - 1};
    for (int i = 0; i < m_blinkPhase; ++i, bar = bar.Moved(s / 2 + 1, 0))
        dc.FillRect(bar, kActivity);
}

void CSatelliteControl::DrawGrid(CDC& dc, const CRect& square) const {
    CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, kGrid});
    CDCSelect<CBrush> brush(dc, CBrush{0xFFFFFF});
    const int d = square.Width() / 6;
    dc.Ellipse(square);
    dc.Ellipse(square.Deflated(d));
    dc.Ellipse(square.Deflated(2 * d));

    dc.SetTextColor(kGridText);
    dc.SetBkMode(BkMode::Opaque);
    DrawPolarText(dc, u"30", 30, 15, square);
    DrawPolarText(dc, u"60", 60, 15, square);
    const CPoint centre = PolarToPoint(90, 0, square);
    for (int a = 0; a < 360; a += 30) {
        dc.Line(centre, PolarToPoint(0, a, square));
        DrawPolarText(dc, Format("%d", a), 15, a, square);
    }
    dc.SetBkMode(BkMode::Transparent);
}

void CSatelliteControl::DrawSatellites(CDC& dc, const CRect& square) const {
    const CSize eights = dc.GetTextExtent(u"88");
    const int r = std::max((square.Width() / 2) / 12, std::max(eights.cx, eights.cy) / 2 + 4);
    const CGpsPosition& fix = m_pData->track.fix;
    for (const CSatellite& sat : fix.satellites) {
        if (sat.prn <= 0 || sat.elevation == kUnsetDegrees || sat.azimuth == kUnsetDegrees)
            continue;
        const CPoint p = PolarToPoint(sat.elevation, sat.azimuth, square);
        // The rim touches the right and bottom edges: both belong to the plot.
        if (p.x < square.left || p.x > square.right || p.y < square.top || p.y > square.bottom)
            continue;
        const Colour c = SignalColor(static_cast<int>(static_cast<long long>(sat.snr) * 100 / 50));
        CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, sat.used ? kBlack : c});
        CDCSelect<CBrush> brush(dc, CBrush{c});
        const CRect box{p.x - r, p.y - r, p.x + r, p.y + r};
        dc.Ellipse(box);
        if (!m_showNumber && !m_showSignal) continue;
        dc.SetTextColor(kBlack);
        dc.DrawText(Format("%02d", m_showNumber ? sat.prn : sat.snr), box,
                    kTextCenter | kTextVCenter | kTextSingleLine);
    }
}

void CSatelliteControl::DrawCorners(CDC& dc, const CRect& rect) const {
    // The text colour stays what the satellites left: black after a label, else grey.
    CDCSelect<CFont> font(dc, m_fontCorner);
    dc.SetBkMode(BkMode::Transparent);
    const CGpsPosition& fix = m_pData->track.fix;
    dc.DrawText(Format("DOP: %.1f", fix.hdop), rect, kTextLeft | kTextSingleLine);
    dc.DrawText(Format("Sat: %d/%d", fix.satellitesUsed, fix.satellitesInView), rect,
                kTextRight | kTextSingleLine);
    dc.DrawText(StatusText(fix), rect, kTextRight | kTextBottom | kTextSingleLine);
}

}  // namespace rq
