#include <gtest/gtest.h>

#include <tuple>

#include "controls/GpsInfoListControl.h"
#include "controls/InfoPanelItems.h"
#include "support/RecordingDC.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

using test::RecordingDC;
using test::RoundRectCall;
using test::TextCall;

struct Panel {
    CGpsViewData data;
    CGpsInfoListControl control{ControlModelOf(data)};
    DisplayProfile profile;  // sizes 12, 16, 14
    CInfoPanelItems items = AddInfoPanelItems(control, profile);
    RecordingDC dc;
    int repaints = 0;
    Panel() {
        control.m_crBackground = 0xFFFFFF;
        control.SetInvalidate([this] { ++repaints; });
    }
    void Draw() {
        dc.Clear();
        control.Draw(dc, {0, 0, 240, 268});
    }
};

TEST(GpsInfoListControl, PagesWrapBothWays) {
    Panel p;
    EXPECT_EQ(p.control.PageCount(), 3);
    for (int page : {1, 2, 0, 1}) {
        p.control.NextPage();
        EXPECT_EQ(p.control.GetPage(), page);
    }
    p.control.SetPage(0);
    for (int page : {2, 1, 0, 2}) {
        p.control.PrevPage();
        EXPECT_EQ(p.control.GetPage(), page);
    }
    EXPECT_EQ(p.repaints, 9);
    // A stored page that does not exist is ignored.
    for (int stored : {3, -1}) {
        p.control.SetPage(stored);
        EXPECT_EQ(p.control.GetPage(), 2) << stored;
    }
    CGpsInfoListControl empty{ControlModelOf(p.data)};
    empty.PrevPage();
    EXPECT_EQ(empty.GetPage(), 0);
}

TEST(GpsInfoListControl, FirstPageLayoutBeforeAnyFix) {
    Panel p;
    p.Draw();
    EXPECT_EQ(std::get<test::FillRectCall>(p.dc.Calls()[0]).colour, 0xFFFFFFu);
    const auto frames = p.dc.Of<RoundRectCall>();
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(frames[0].rect, (CRect{4, 4, 236, 264}));
    EXPECT_EQ(frames[0].corner, (CSize{20, 20}));
    EXPECT_EQ(frames[0].brush.colour, 0xE1C7C1u);
    // Inner (8, 8, 232, 260): cells 112 x 84, left column first, checkerboard colours.
    const CRect cells[] = {{8, 8, 120, 92},   {8, 92, 120, 176},   {8, 176, 120, 260},
                           {120, 8, 232, 92}, {120, 92, 232, 176}, {120, 176, 232, 260}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(frames[i + 1].rect, cells[i]) << i;
        EXPECT_EQ(frames[i + 1].corner, (CSize{8, 8}));
        EXPECT_EQ(frames[i + 1].brush.colour, i % 2 ? 0xF8F8F8u : 0xF0E0E1u) << i;
    }
    const std::vector<std::u16string> expected = {
        u"Speed",   u"0", u"km/h", u"Max Speed", u"0", u"km/h", u"Average Speed", u"0", u"km/h",
        u"Mileage", u"0", u"m",    u"Heading",   u"0", u"DEG",  u"Acceleration",  u"0", u"m/s"};
    EXPECT_EQ(p.dc.Texts(), expected);
    const auto texts = p.dc.Of<TextCall>();
    // Label at the top of the inset cell, value centred, unit at the bottom.
    EXPECT_EQ(std::tuple(texts[0].rect, texts[0].flags, texts[0].font),
              std::tuple(CRect{10, 10, 118, 22}, kTextLeft | kTextVCenter | kTextSingleLine,
                         CreateControlFont(12, 700, u"Tahoma")));
    EXPECT_EQ(
        std::tuple(texts[1].rect, texts[1].textColour, texts[1].flags),
        std::tuple(CRect{10, 42, 118, 58}, 0x800000u, kTextRight | kTextVCenter | kTextSingleLine));
    EXPECT_EQ(std::tuple(texts[2].rect, texts[2].bkMode),
              std::tuple(CRect{10, 76, 118, 90}, BkMode::Transparent));

    p.control.SetPage(2);
    p.Draw();
    const auto last = p.dc.Of<TextCall>();
    EXPECT_EQ(std::tuple(last[9].text, last[10].text, last[10].flags & 3u, last[11].font.height),
              std::tuple(u"Local Time", u"NA", kTextCenter, 11));
}

TEST(GpsInfoListControl, ImperialMileageInFeetsAndAShortLastPage) {
    Panel p;
    CGpsTrackCoordinate head(48.0, 11.0);
    head.distance = 1000;
    p.data.track.AddHead(head);
    p.data.unitMode = kUnitImperial;
    RefreshInfoPanel(p.items, p.data.track, false, p.data.unitMode);
    p.Draw();
    const auto texts = p.dc.Of<TextCall>();
    ASSERT_EQ(texts[10].text, u"3281");
    EXPECT_EQ(texts[11].text, u"feets");
    // Right column, top cell, inset by 2: the unit band is the bottom 14 pixels.
    EXPECT_EQ(texts[11].rect, (CRect{122, 76, 230, 90}));
    EXPECT_EQ(texts[11].flags, kTextRight | kTextVCenter | kTextSingleLine);

    // Seven items: the second page has one item and five empty cells.
    CGpsInfoListControl seven{ControlModelOf(p.data)};
    CInfoCell cell;
    cell.text = u"X";
    for (int i = 0; i < 7; ++i) seven.AddItem(cell, cell, cell);
    seven.NextPage();
    RecordingDC dc;
    seven.Draw(dc, {0, 0, 240, 268});
    EXPECT_EQ(dc.Of<RoundRectCall>().size(), 7u);
    EXPECT_EQ(dc.Texts().size(), 3u);
}

}  // namespace
}  // namespace rq
