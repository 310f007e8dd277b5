#include <gtest/gtest.h>

#include "controls/DC.h"
#include "support/RecordingDC.h"

namespace rq {
namespace {

TEST(DC, SelectionsComeBackInOrderAndSavesNest) {
    test::RecordingDC dc;
    const DCState fresh = dc.State();
    const CPen red{PenStyle::Dot, 3, 0x0000FF};
    {
        CDCStateSaver saver(dc);
        CDCSelect<CPen> pen(dc, red);
        dc.SetBkMode(BkMode::Transparent);
        {
            CDCSelect<CBrush> brush(dc, CBrush::Null());
            dc.Ellipse({0, 0, 4, 4});
        }
        dc.Ellipse({0, 0, 4, 4});
        EXPECT_EQ(dc.Select(CFont{}), fresh.font);
    }
    EXPECT_EQ(dc.State(), fresh);
    const auto ellipses = dc.Of<test::EllipseCall>();
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].pen, red);
    EXPECT_TRUE(ellipses[0].brush.null);
    EXPECT_EQ(ellipses[1].brush, CBrush{});

    // Restoring an inner level drops it and every later one; unknown levels change nothing.
    const int one = dc.SaveDC();
    dc.SetTextColor(1);
    dc.SaveDC();
    dc.SetTextColor(2);
    EXPECT_FALSE(dc.RestoreDC(5));
    EXPECT_FALSE(dc.RestoreDC(0));
    EXPECT_TRUE(dc.RestoreDC(one));
    EXPECT_EQ(dc.State().textColour, 0u);
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST(DC, FontFacesAreCutAtThirtyOneCharacters) {
    const std::u16string longName(40, u'x');
    EXPECT_EQ(CreateControlFont(12, 400, longName).Face(), longName.substr(0, 31));
}

}  // namespace
}  // namespace rq
