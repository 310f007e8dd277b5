// The info panel: labelled values, six to a page in two columns of three rows. The
// panel only draws what its items hold; the main view writes their texts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/GpsControl.h"

namespace rq {

// Alignments of a cell.
inline constexpr int kCellLeft = 0;
inline constexpr int kCellRight = 2;
inline constexpr int kCellCentre = 6;

struct CInfoCell {
    std::u16string text;
    std::u16string face;  // empty: the panel's face
    int size = 12;        // font cell height
    Colour color = 0x000000;
    int bold = 0;  // 0 weight 400, else 700
    int align = kCellLeft;
};

struct CInfoItem {
    CInfoCell label;
    CInfoCell value;
    CInfoCell unit;
};

class CGpsInfoListControl : public CGpsControl {
public:
    static constexpr int kItemsPerPage = 6;

    explicit CGpsInfoListControl(const CControlModel& data);

    std::u16string_view Title() const override { return u"Gps Info Control"; }
    void Draw(CDC& dc, const CRect& rect) override;

    // Appends an item; the handle stays valid as long as the panel.
    CInfoItem* AddItem(const CInfoCell& label, const CInfoCell& value, const CInfoCell& unit);
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    int PageCount() const { return (ItemCount() + kItemsPerPage - 1) / kItemsPerPage; }

    // Forward past the last page comes back to the first, and backward past the first
    // to the last.
    void NextPage();
    void PrevPage();
    // Ignored unless the page exists.
    void SetPage(int page);
    int GetPage() const { return m_page; }

    int m_outerMargin = 4;
    int m_frameRadius = 20;
    Colour m_crFrame = 0xE1C7C1;
    int m_innerMargin = 4;
    int m_cellRadius = 8;
    int m_cellInset = 2;
    Colour m_crCellEven = 0xF0E0E1;
    Colour m_crCellOdd = 0xF8F8F8;
    std::u16string m_faceName = u"Tahoma";

private:
    void DrawItem(CDC& dc, const CInfoItem& item, const CRect& rect) const;
    // Band 0 at the top, 1 centred, 2 at the bottom of `rect`, as high as the text.
    void DrawCell(CDC& dc, const CInfoCell& cell, int band, const CRect& rect) const;
    CFont FontOf(const CInfoCell& cell) const;

    std::vector<std::unique_ptr<CInfoItem>> m_items;
    std::int32_t m_page = 0;
};

}  // namespace rq
