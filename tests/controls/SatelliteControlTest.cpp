#include <gtest/gtest.h>

#include "controls/SatelliteControl.h"
#include "support/RecordingDC.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

using test::EllipseCall;
using test::RecordingDC;
using test::TextCall;

struct Sky {
    CGpsViewData data;
    CSatelliteControl control{ControlModelOf(data)};
    RecordingDC dc;
    Sky() {
        control.m_crBackground = 0xE6E6E6;
        control.OnCreate();
    }
    void Draw() {
        dc.Clear();
        control.Draw(dc, {0, 0, 240, 268});
    }
    CSatellite& Sat(int i, int prn, int elevation, int azimuth, int snr, int used) {
        CSatellite& s = data.track.fix.satellites[i];
        s = CSatellite{used, prn, elevation, azimuth, snr};
        return s;
    }
};

TEST(SatelliteControl, GridOfTheEmptySkyAndTheCorners) {
    Sky sky;
    sky.Draw();
    const auto& calls = sky.dc.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(std::get<test::FillRectCall>(calls[0]).rect, (CRect{0, 0, 240, 268}));
    EXPECT_EQ(std::get<test::FillRectCall>(calls[0]).colour, 0xE6E6E6u);

    // The plot is the 240 x 240 square 14 pixels below the top, with rings every 40.
    const auto rings = sky.dc.Of<EllipseCall>();
    ASSERT_EQ(rings.size(), 3u);
    const CRect square{0, 14, 240, 254};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rings[i].rect, square.Deflated(40 * i));
        EXPECT_EQ(rings[i].pen, (CPen{PenStyle::Solid, 1, 0xC0C0C0}));
        EXPECT_EQ(rings[i].brush, CBrush{0xFFFFFF});
    }
    const auto spokes = sky.dc.Of<test::LineCall>();
    ASSERT_EQ(spokes.size(), 12u);
    EXPECT_EQ(spokes[3].from, (CPoint{120, 134}));
    EXPECT_EQ(spokes[3].to, (CPoint{240, 134}));

    // Ring and azimuth labels grey on opaque white, then the corners transparent and
    // grey, as no satellite label was drawn.
    const auto texts = sky.dc.Of<TextCall>();
    ASSERT_EQ(texts.size(), 17u);
    EXPECT_EQ(texts[1].text, u"60");
    EXPECT_EQ(texts[13].text, u"330");
    EXPECT_EQ(texts[13].bkMode, BkMode::Opaque);
    EXPECT_EQ(texts[13].textColour, 0x808080u);
    EXPECT_EQ(texts[13].font, CreateControlFont(12, 400, u"Microsoft Sans Serif"));
    const std::u16string corners[] = {u"DOP: 50.0", u"Sat: 0/0", u"-|-|-"};
    const unsigned flags[] = {kTextLeft, kTextRight, kTextRight | kTextBottom};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[14 + i].text, corners[i]);
        EXPECT_EQ(texts[14 + i].flags, flags[i] | kTextSingleLine);
        EXPECT_EQ(texts[14 + i].rect, (CRect{0, 0, 240, 268}));
        EXPECT_EQ(texts[14 + i].textColour, 0x808080u);
        EXPECT_EQ(texts[14 + i].bkMode, BkMode::Transparent);
    }
    EXPECT_TRUE(sky.dc.Of<test::FillRectCall>().size() == 1);  // no activity bar yet
}

TEST(SatelliteControl, SatellitesByPositionSignalAndUse) {
    Sky sky;
    CGpsPosition& fix = sky.data.track.fix;
    fix.hdop = 1.25;
    fix.satellitesUsed = 1;
    fix.satellitesInView = 4;
    fix.gpsQuality = 2;
    fix.fixMode = 3;
    fix.selectionMode = 2;
    sky.Sat(0, 5, 90, 0, 50, 1);
    sky.Sat(1, 7, 0, 90, 0, 0);
    sky.Sat(2, -1, 45, 45, 30, 0);         // reset entry
    sky.Sat(3, 9, -987654321, 45, 30, 0);  // no elevation
    sky.Sat(4, 12, 45, -987654321, 30, 0);
    sky.Sat(5, 14, -90, 0, 30, 0);  // beyond the rim: outside the square
    sky.Sat(6, 20, 30, 180, 25, 0);
    sky.Draw();

    // The marker radius: 120 / 12 = 10, raised to "88" (14 x 12) / 2 + 4 = 11.
    auto marks = sky.dc.Of<EllipseCall>();
    ASSERT_EQ(marks.size(), 6u);
    marks.erase(marks.begin(), marks.begin() + 3);
    EXPECT_EQ(marks[0].rect, (CRect{109, 123, 131, 145}));  // centre
    EXPECT_EQ(marks[0].pen.colour, 0x000000u);              // used
    EXPECT_EQ(marks[0].brush.colour, Rgb(0, 255, 0));
    EXPECT_EQ(marks[1].rect, (CRect{229, 123, 251, 145}));  // right end of the horizon
    EXPECT_EQ(marks[1].pen.colour, Rgb(255, 0, 0));         // not used: its signal colour
    EXPECT_EQ(marks[2].brush.colour, Rgb(255, 255, 0));
    EXPECT_EQ(marks[2].rect.top, 134 + 80 - 11);

    const auto texts = sky.dc.Of<TextCall>();
    ASSERT_EQ(texts.size(), 20u);
    EXPECT_EQ(texts[14].rect, marks[0].rect);
    EXPECT_EQ(texts[14].flags, kTextCenter | kTextVCenter | kTextSingleLine);
    const std::vector<std::u16string> all = sky.dc.Texts(), labels(all.begin() + 14, all.end());
    EXPECT_EQ(labels, (std::vector<std::u16string>{u"05", u"07", u"20", u"DOP: 1.2", u"Sat: 1/4",
                                                   u"DFix|3D|A"}));
    EXPECT_EQ(texts[17].textColour, 0x000000u);  // left black by the labels

    sky.control.SetShowSignal();
    sky.Draw();
    EXPECT_EQ(sky.dc.Texts()[14] + u"|" + sky.dc.Texts()[15], u"50|00");
    fix.gpsQuality = 1;
    fix.fixMode = 2;
    fix.selectionMode = 1;
    sky.Draw();
    EXPECT_EQ(sky.dc.Texts().back(), u"Fix|2D|M");
}

TEST(SatelliteControl, ActivityBarsFollowTheBlinkPhase) {
    Sky sky;
    for (int fixes = 1; fixes <= 6; ++fixes) {
        sky.control.AdvanceBlink();
        sky.Draw();
        auto bars = sky.dc.Of<test::FillRectCall>();
        bars.erase(bars.begin());  // the background
        ASSERT_EQ(static_cast<int>(bars.size()), fixes % 4) << fixes;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            // s = 240 / 20 = 12: bars 6 wide, 7 apart, 12 high above the bottom pixel.
            EXPECT_EQ(bars[i].rect, (CRect{1 + 7 * int(i), 255, 7 + 7 * int(i), 267}));
            EXPECT_EQ(bars[i].colour, 0x00FF00u);
        }
    }
    // A wide window centres the plot horizontally.
    EXPECT_EQ(CSatelliteControl::PlotSquare({0, 0, 320, 240}), (CRect{40, 0, 280, 240}));
}

}  // namespace
}  // namespace rq
