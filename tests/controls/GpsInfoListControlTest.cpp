#include <gtest/gtest.h>

#include "controls/GpsInfoListControl.h"
#include "controls/InfoPanelItems.h"
#include "support/DrawingText.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

using test::RecordingDC;
using test::RoundRectCall;

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

// The frame, then cells of 112 x 84 inside (8, 8, 232, 260), left column first, in
// checkerboard colours; in each the label at the top, the value centred, the unit at
// the bottom.
TEST(GpsInfoListControl, FirstPageLayoutBeforeAnyFix) {
    Panel p;
    p.Draw();
    test::ExpectDrawing(p.dc, "controls/info-first-page.txt");
    p.control.SetPage(2);
    p.Draw();
    test::ExpectDrawing(p.dc, "controls/info-last-page.txt");
}

TEST(GpsInfoListControl, ImperialMileageInFeetsAndAShortLastPage) {
    Panel p;
    CGpsTrackCoordinate head(48.0, 11.0);
    head.distance = 1000;
    p.data.track.AddHead(head);
    p.data.unitMode = kUnitImperial;
    RefreshInfoPanel(p.items, p.data.track, false, p.data.unitMode);
    p.Draw();
    test::ExpectDrawing(p.dc, "controls/info-imperial.txt");

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
