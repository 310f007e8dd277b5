#include "controls/InfoPanelItems.h"

namespace rq {

namespace {

constexpr Colour kLabelColour = 0x000000;
constexpr Colour kValueColour = 0x800000;
// From "Local Time" on, the values are centred and the unit cell, holding the date,
// is centred in a smaller font.
constexpr std::size_t kFirstTimeEntry = 15;

CInfoCell Cell(const std::u16string& text, int size, Colour colour, int align) {
    CInfoCell cell;
    cell.text = text;
    cell.size = size;
    cell.color = colour;
    cell.bold = 1;
    cell.align = align;
    return cell;
}

}  // namespace

CInfoPanelItems AddInfoPanelItems(CGpsInfoListControl& panel, const DisplayProfile& profile) {
    const CInfoPanelTexts texts = InitialInfoPanelTexts();
    CInfoPanelItems items{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool time = i >= kFirstTimeEntry;
        items[i] = panel.AddItem(
            Cell(texts[i].label, profile.infoTextSize1, kLabelColour, kCellLeft),
            Cell(texts[i].value, profile.infoTextSize2, kValueColour,
                 time ? kCellCentre : kCellRight),
            Cell(texts[i].unit, time ? profile.infoTextSize3 - 3 : profile.infoTextSize3,
                 kValueColour, time ? kCellCentre : kCellRight));
    }
    return items;
}

void RefreshInfoPanel(const CInfoPanelItems& items, CGpsTrackInfo& track, bool navigating,
                      std::uint32_t unitMode) {
    CInfoPanelTexts texts;
    for (std::size_t i = 0; i < items.size(); ++i)
        texts[i] = {items[i]->label.text, items[i]->value.text, items[i]->unit.text};
    RefreshInfoPanelTexts(texts, track, navigating, unitMode);
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->value.text = texts[i].value;
        items[i]->unit.text = texts[i].unit;
    }
}

}  // namespace rq
