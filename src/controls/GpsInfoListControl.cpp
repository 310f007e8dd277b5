#include "controls/GpsInfoListControl.h"

#include <algorithm>

namespace rq {

namespace {

unsigned AlignFlags(int align) {
    switch (align) {
        case kCellRight:
            return kTextRight;
        case kCellCentre:
            return kTextCenter;
        default:
            return kTextLeft;
    }
}

}  // namespace

CGpsInfoListControl::CGpsInfoListControl(const CControlModel& data) : CGpsControl(data) {
    m_crBackground = 0xF8F8F8;
}

CInfoItem* CGpsInfoListControl::AddItem(const CInfoCell& label, const CInfoCell& value,
                                        const CInfoCell& unit) {
    m_items.push_back(std::make_unique<CInfoItem>(CInfoItem{label, value, unit}));
    return m_items.back().get();
}

void CGpsInfoListControl::NextPage() {
    m_page = ItemCount() > (m_page + 1) * kItemsPerPage ? m_page + 1 : 0;
    Invalidate();
}

void CGpsInfoListControl::PrevPage() {
    m_page = m_page - 1 < 0 ? std::max(PageCount() - 1, 0) : m_page - 1;
    Invalidate();
}

void CGpsInfoListControl::SetPage(int page) {
    if (page < 0 || page >= PageCount()) return;
    m_page = page;
    Invalidate();
}

void CGpsInfoListControl::Draw(CDC& dc, const CRect& rect) {
    CDCStateSaver saver(dc);
    dc.FillRect(rect, m_crBackground);
    CRect frame = rect.Deflated(m_outerMargin);
    {
        CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, m_crFrame});
        CDCSelect<CBrush> brush(dc, CBrush{m_crFrame});
        dc.RoundRect(frame, {m_frameRadius, m_frameRadius});
    }
    const CRect inner = frame.Deflated(m_innerMargin);
    const int cw = inner.Width() / 2;
    const int rh = inner.Height() / 3;

    std::size_t next = 0;
    const std::size_t skip = static_cast<std::size_t>(m_page) * kItemsPerPage;
    if (m_items.size() > skip) next = skip;
    for (int i = 0; i < kItemsPerPage; ++i) {
        const CRect cell = CRect{inner.left, inner.top, inner.left + cw, inner.top + rh}.Moved(
            (i / 3) * cw, (i % 3) * rh);
        const Colour colour = i % 2 == 0 ? m_crCellEven : m_crCellOdd;
        {
            CDCSelect<CPen> pen(dc, CPen{PenStyle::Solid, 1, colour});
            CDCSelect<CBrush> brush(dc, CBrush{colour});
            dc.RoundRect(cell, {m_cellRadius, m_cellRadius});
        }
        if (next < m_items.size()) DrawItem(dc, *m_items[next++], cell.Deflated(m_cellInset));
    }
}

CFont CGpsInfoListControl::FontOf(const CInfoCell& cell) const {
    return CreateControlFont(cell.size, cell.bold ? 700 : 400,
                             cell.face.empty() ? m_faceName : cell.face);
}

void CGpsInfoListControl::DrawItem(CDC& dc, const CInfoItem& item, const CRect& rect) const {
    dc.SetBkMode(BkMode::Transparent);
    DrawCell(dc, item.label, 0, rect);
    DrawCell(dc, item.value, 1, rect);
    DrawCell(dc, item.unit, 2, rect);
}

void CGpsInfoListControl::DrawCell(CDC& dc, const CInfoCell& cell, int band,
                                   const CRect& rect) const {
    CDCSelect<CFont> font(dc, FontOf(cell));
    dc.SetTextColor(cell.color);
    const int h = dc.GetTextExtent(cell.text).cy;
    int top = rect.top;                                                  // label: at the top
    if (band == 1) top = rect.top + ((rect.bottom - h) - rect.top) / 2;  // value: centred
    if (band == 2) top = rect.bottom - h;                                // unit: at the bottom
    dc.DrawText(cell.text, {rect.left, top, rect.right, top + h},
                AlignFlags(cell.align) | kTextVCenter | kTextSingleLine);
}

}  // namespace rq
