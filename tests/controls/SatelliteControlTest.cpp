#include <gtest/gtest.h>

#include "controls/SatelliteControl.h"
#include "support/DrawingText.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

using test::RecordingDC;

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

// The 240 x 240 plot 14 pixels below the top, rings every 40; ring and azimuth labels
// grey on opaque white; the corners grey and transparent, as no satellite label was
// drawn; no activity bar yet.
TEST(SatelliteControl, GridOfTheEmptySkyAndTheCorners) {
    Sky sky;
    sky.Draw();
    test::ExpectDrawing(sky.dc, "controls/satellite-empty.txt");
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
    test::ExpectDrawing(sky.dc, "controls/satellite-sky.txt");

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
