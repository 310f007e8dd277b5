#include "controls/GpsMapControl.h"

#include <algorithm>

#include "app/DisplayProfile.h"
#include "geo/Units.h"
#include "poi/PoiTypeTable.h"

namespace rq {

CGpsMapControl::CGpsMapControl(const CControlModel& data) : CGpsControl(data) {
    CreateFonts();
}

bool CGpsMapControl::OnCreate() {
    CreateFonts();
    return true;
}

void CGpsMapControl::CreateFonts() {
    m_scaleFont = CreateControlFont(m_scaleTextSize, m_scaleTextBold ? 700 : 400, m_fontFace);
    m_smallFont = CreateControlFont(m_smallTextSize, 400, m_fontFace);
    m_normalFont = CreateControlFont(m_normalTextSize, 400, m_fontFace);
    m_largeFont = CreateControlFont(m_largeTextSize, 700, m_fontFace);
    m_coordBarFont = CreateControlFont(m_coordBarTextSize, 400, m_fontFace);
}

void CGpsMapControl::ApplyDisplayProfile(const DisplayProfile& profile) {
    m_scaleTextSize = profile.mapScaleTextSize;
    m_scaleTextBold = profile.mapScaleTextBold;
    m_smallTextSize = profile.mapSmallTextSize;
    m_normalTextSize = profile.mapNormalTextSize;
    m_largeTextSize = profile.mapLargeTextSize;
    m_coordBarTextSize = profile.mapCoordinateBarTextSize;
    m_view.SetPoiNameViewWidth(profile.poiNameViewWidth);
}

void CGpsMapControl::OnSize(int width, int height) {
    CGpsControl::OnSize(width, height);
    m_view.SetClientRect(0, 0, width, height);
}

bool CGpsMapControl::OnTap(CPoint point) {
    SetCenter(m_view.ScreenToGeo(point));
    return true;
}

void CGpsMapControl::SetCenter(const CCoordinate& center) {
    if (m_view.SetCenter(center)) Invalidate();
}

void CGpsMapControl::SetScale(double metresPerPixel, bool redraw) {
    m_view.SetScale(metresPerPixel);
    if (redraw) Invalidate();
}

void CGpsMapControl::Scroll(double fractionX, double fractionY) {
    if (!m_windowVisible) return;
    if (m_view.Scroll(fractionX, fractionY)) Invalidate();
}

bool CGpsMapControl::FollowFix() {
    const CGpsTrackInfo& track = m_pData->track;
    if (!track.followFix || !track.fix.IsValid()) return false;
    SetCenter(track.fix);
    return true;
}

void CGpsMapControl::SetShowPoi(bool on) {
    m_showPoi = on;
    Invalidate();
}

void CGpsMapControl::SetShowPositionMessage(bool on) {
    m_showPositionMessage = on;
    Invalidate();
}

void CGpsMapControl::SetShowTrackInfo(bool on) {
    m_showTrackInfo = on;
    Invalidate();
}

void CGpsMapControl::Draw(CDC& dc, const CRect& rect) {
    CDCStateSaver saver(dc);
    m_view.SetClientRect(rect.left, rect.top, rect.right, rect.bottom);
    m_area = m_view.GetVisibleArea();
    dc.SetBkMode(BkMode::Transparent);

    dc.FillRect(rect, m_crBackground);
    DrawRoute(dc);
    for (const auto& friendTrack : m_pData->friendTracks.Tracks()) DrawTrack(dc, *friendTrack);
    DrawTrack(dc, m_pData->track);
    DrawNavigation(dc, rect.Width(), rect.Height());
    DrawPositionTexts(dc);
    DrawPois(dc, m_pData->localPois, std::nullopt);
    DrawScaleBar(dc, rect);
    DrawCoordinateBar(dc, rect);
    DrawStatusIcons(dc, rect);
    DrawCross(dc, rect);
}

void CGpsMapControl::DrawCentred(CDC& dc, std::u16string_view text, CPoint centre) {
    const CSize size = dc.GetTextExtent(text);
    const int left = centre.x - size.cx / 2;
    const int top = centre.y - size.cy / 2;
    dc.DrawText(text, {left, top, left + size.cx, top + size.cy},
                kTextCenter | kTextVCenter | kTextSingleLine);
}

void CGpsMapControl::DrawNavigation(CDC& dc, int width, int height) {
    CGpsTrackInfo& track = m_pData->track;
    CNavigationPoint& target = m_pData->target;
    if (!m_pData->navigating || track.IsEmpty() || !target.IsValid()) return;
    CCoordinate& start = track.fix.IsValid() ? static_cast<CCoordinate&>(track.fix)
                                             : static_cast<CCoordinate&>(*track.GetHead());
    const CPoint to = m_view.GeoToScreen(target);
    {
        CDCSelect<CPen> pen(dc, CPen{m_navLineStyle, m_navLineWidth, m_crNavLine});
        CDCSelect<CFont> font(dc, m_normalFont);
        dc.Line(m_view.GeoToScreen(start), to);
    }
    {
        CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, m_crTarget});
        CDCSelect<CBrush> brush(dc, CBrush::Null());
        DrawCircle(dc, to.x, to.y, m_targetRadius + 2);
        DrawCircle(dc, to.x, to.y, m_targetRadius);
    }
    // The labels sit a quarter of the smaller side out from the start towards the target.
    const CCourseFlat way = target.FlatCourseFrom(start);
    const double reach = (std::min(width, height) / 4) * m_view.GetScale();
    const CPoint anchor = m_view.GeoToScreen(start.FlatMoved(CCourse(way.value, reach)));
    CDCSelect<CFont> font(dc, m_normalFont);
    const Colour oldColour = dc.SetTextColor(m_crNavLine);
    const std::u16string distance =
        FormatDistance(way.distance, static_cast<int>(m_pData->unitMode), 0, 3, true).value;
    DrawCentred(dc, distance, {anchor.x, anchor.y + dc.GetTextExtent(distance).cy / 2 + 1});
    if (!target.name.empty())
        DrawCentred(dc, target.name,
                    {anchor.x, anchor.y - 1 - dc.GetTextExtent(target.name).cy / 2});
    dc.SetTextColor(oldColour);
}

void CGpsMapControl::DrawPositionTexts(CDC& dc) {
    if (!m_showPositionMessage) return;
    const Colour oldColour = dc.SetTextColor(m_crMessageText);
    const CPositionTextList& texts = m_pData->positionTexts;
    for (std::size_t i = 0; i < texts.GetCount(); ++i) {
        const CPositionText& message = *texts.GetAt(i);
        if (!m_area.Contains(message)) continue;
        const CPoint p = m_view.GeoToScreen(message);
        int y = p.y;
        if (m_messageIcon.icon) {
            dc.DrawIcon(p.x - m_messageIcon.width / 2, p.y - m_messageIcon.height / 2,
                        *m_messageIcon.icon);
            y = p.y + m_messageIcon.height / 2 + 1;
        }
        int textHeight = 0;
        int textCentre = 0;
        {
            CDCSelect<CFont> font(dc, m_normalFont);
            textHeight = dc.GetTextExtent(message.text).cy;
            textCentre = y + textHeight / 2 + 1;
            DrawCentred(dc, message.text, {p.x, textCentre});
        }
        CDCSelect<CFont> font(dc, m_smallFont);
        const int senderHeight = dc.GetTextExtent(message.sender).cy;
        DrawCentred(dc, message.sender, {p.x, textCentre + (textHeight + senderHeight) / 2 + 1});
    }
    dc.SetTextColor(oldColour);
}

void CGpsMapControl::DrawPois(CDC& dc, const CPoiCollection& pois, std::optional<Colour> frame) {
    if (!m_showPoi) return;
    CDCSelect<CFont> font(dc, m_normalFont);
    const Colour oldColour = dc.SetTextColor(m_crPoiText);
    const bool names = m_view.ShowsPoiNames();
    const int framed = frame ? 1 : 0;
    for (const auto& category : pois.Categories()) {
        for (const auto& poi : category->Pois()) {
            const PoiTypeRow* row = FindPoiType(poi->type);
            if (!row || !m_area.Contains(*poi)) continue;
            const CPoint p = m_view.GeoToScreen(*poi);
            const int x = p.x - row->iconWidth / 2;
            const int y = p.y - row->iconHeight / 2;
            if (frame)
                dc.FillRect({x - 1, y - 1, x + row->iconWidth + 1, y + row->iconHeight + 1},
                            *frame);
            dc.DrawIcon(x, y, PoiTypeIcon(static_cast<int>(poi->type)));
            if (!names || poi->name.empty()) continue;
            const int nameHeight = dc.GetTextExtent(poi->name).cy;
            DrawCentred(dc, poi->name, {p.x, p.y + framed + (row->iconHeight + nameHeight) / 2});
        }
    }
    dc.SetTextColor(oldColour);
}

void CGpsMapControl::DrawScaleBar(CDC& dc, const CRect& rect) {
    const int w = rect.Width();
    const int x0 = rect.left + w / 20;
    const int y0 = rect.top + rect.Height() - w / 20;
    const int length = w / 4;
    {
        CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, m_crScaleBar});
        dc.Line({x0, y0 - 2}, {x0, y0 + 3});
        dc.Line({x0, y0}, {x0 + length, y0});
        dc.Line({x0 + length, y0 - 2}, {x0 + length, y0 + 3});
    }
    CDCSelect<CFont> font(dc, m_scaleFont);
    const Colour oldColour = dc.SetTextColor(m_crScaleText);
    const std::u16string text =
        FormatDistance(length * m_view.GetScale(), static_cast<int>(m_pData->unitMode), 0, 3, true)
            .value;
    const int th = dc.GetTextExtent(text).cy;
    dc.DrawText(text, {x0 + 2, y0 - th - 1, x0 + 2 + 2 * length, y0 - 1},
                kTextLeft | kTextVCenter | kTextSingleLine);
    dc.SetTextColor(oldColour);
}

void CGpsMapControl::DrawCoordinateBar(CDC& dc, const CRect& rect) {
    CDCSelect<CFont> font(dc, m_coordBarFont);
    const int height = static_cast<int>(1.3 * dc.GetTextExtent(u"88").cy);
    dc.FillRect({0, 0, rect.right, height}, m_crCoordBarBack);
    const Colour oldColour = dc.SetTextColor(m_crCoordBarText);
    const CCoordinate& centre = m_view.GetCenter();
    if (centre.IsValid()) {
        const CRect band{2, 0, rect.right - 2, height};
        dc.DrawText(centre.m_lat.FormatWithHemisphere(kAngleMinutes), band,
                    kTextLeft | kTextVCenter | kTextSingleLine);
        dc.DrawText(centre.m_lon.FormatWithHemisphere(kAngleMinutes), band,
                    kTextRight | kTextVCenter | kTextSingleLine);
    }
    dc.SetTextColor(oldColour);
}

void CGpsMapControl::DrawStatusIcons(CDC& dc, const CRect& rect) {
    int edge = rect.right;
    if (m_recordIcon.shown && m_recordIcon.icon) {
        edge = rect.right - m_recordIcon.width;
        dc.DrawIcon(edge, rect.bottom - m_recordIcon.height, *m_recordIcon.icon);
    }
    if (m_playIcon.shown && m_playIcon.icon)
        dc.DrawIcon(edge - m_playIcon.width, rect.bottom - m_playIcon.height, *m_playIcon.icon);
}

void CGpsMapControl::DrawCross(CDC& dc, const CRect& rect) {
    const CPoint c = m_view.GetClientCenter();
    const bool micro = m_view.IsMicroScroll();
    const CGpsPosition& fix = m_pData->track.fix;
    if (!micro && fix.IsValid()) {
        const CPoint p = m_view.GeoToScreen(fix);
        const double dx = static_cast<double>(p.x) - c.x;
        const double dy = static_cast<double>(p.y) - c.y;
        if (dx * dx + dy * dy <= static_cast<double>(m_crossSize) * m_crossSize) return;
    }
    const int s = micro ? rect.Width() + rect.Height() : m_crossSize;
    CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, m_crCross});
    dc.Line({c.x, c.y - s}, {c.x, c.y + s + 1});
    dc.Line({c.x - s, c.y}, {c.x + s + 1, c.y});
}

}  // namespace rq
