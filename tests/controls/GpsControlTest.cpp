#include <gtest/gtest.h>

#include <cmath>

#include "app/Screen.h"
#include "controls/GpsControl.h"
#include "keepers/PositionMessage.h"
#include "resources/MessageIds.h"
#include "support/DrawingText.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

using test::RecordingDC;

class CPlainControl : public CGpsControl {
public:
    using CGpsControl::CGpsControl;
    std::u16string_view Title() const override { return u"Plain"; }
    void Draw(CDC& dc, const CRect& rect) override { dc.FillRect(rect, m_crBackground); }
    int dataObjects = 0;
    void OnDataObject(platform::MessagePayload* object) override {
        dataObjects += object != nullptr;
    }
};

struct Fixture {
    CGpsViewData data;
    CPlainControl control{ControlModelOf(data)};
};

TEST(GpsControl, PolarGeometry) {
    Fixture f;
    const CRect square{10, 20, 210, 220};  // centre (110, 120), radius 100
    struct Case {
        int elevation, azimuth;
        CPoint expected;
    } cases[] = {
        {90, 0, {110, 120}},  {0, 0, {110, 20}},    {0, 90, {210, 120}}, {0, 180, {110, 220}},
        {0, 270, {10, 120}},  {45, 90, {160, 120}}, {30, 45, {157, 73}},  // r = 100 - 33
        {-90, 0, {110, -80}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(f.control.PolarToPoint(c.elevation, c.azimuth, square), c.expected)
            << c.elevation << " " << c.azimuth;
    }
    // A receiver's absurd elevation must not overflow the radius arithmetic.
    EXPECT_EQ(f.control.PolarToPoint(INT32_MAX, 0, square).y, 1'000'000);

    RecordingDC dc;
    dc.Select(CreateControlFont(10, 400, u"Tahoma"));  // "30" measures 12 x 10
    f.control.DrawPolarText(dc, u"30", 0, 90, square);
    f.control.DrawPolarTick(dc, 0, 90, 5, square);
    f.control.DrawPolarLine(dc, 90, 0, 0, 180, square);
    f.control.DrawPolarCircle(dc, 0, 0, square, 4);
    test::ExpectDrawing(dc, "controls/polar-helpers.txt");
}

TEST(GpsControl, ColoursAndAngles) {
    for (const auto& row : test::CaseTable("cases/signal-colours.txt"))
        EXPECT_EQ(CGpsControl::SignalColor(std::stoi(row[0])), std::stoul(row[1], nullptr, 16))
            << row[0];
    const double angles[][2] = {{360, 0}, {-10, 350}, {725, 5}, {-720, 0}, {359.5, 359.5}};
    for (const auto& a : angles) EXPECT_DOUBLE_EQ(CGpsControl::NormalizeDegrees(a[0]), a[1]);
    EXPECT_LT(CGpsControl::NormalizeDegrees(1e300), 360.0);
    EXPECT_TRUE(std::isnan(CGpsControl::NormalizeDegrees(INFINITY)));  // returns, does not spin
}

TEST(GpsControl, OffScreenBitmapIsMadeOnceAtScreenSize) {
    SetScreenSize(240, 320);
    Fixture f;
    RecordingDC screen;
    f.control.m_crBackground = 0x123456;
    f.control.Paint(screen, {0, 0, 240, 268});
    EXPECT_EQ((CSize{f.control.MemDC().Width(), f.control.MemDC().Height()}), (CSize{240, 320}));
    const CDC* mem = f.control.MemDC().Get();
    // Draw into the off-screen context, then one copy of the client area.
    ASSERT_EQ(screen.Calls().size(), 2u);
    const auto blit = std::get<test::BlitCall>(screen.Calls()[1]);
    EXPECT_EQ(blit.source, mem);
    EXPECT_EQ(blit.dest, (CRect{0, 0, 240, 268}));

    // Smaller and larger sizes up to the screen reuse it.
    screen.Clear();
    f.control.Paint(screen, {0, 0, 200, 100});
    f.control.Paint(screen, {0, 0, 240, 320});
    EXPECT_EQ(screen.CompatibleCount(), 1);
    EXPECT_EQ(f.control.MemDC().Get(), mem);
    EXPECT_EQ(std::get<test::BlitCall>(screen.Calls()[3]).dest, (CRect{0, 0, 240, 320}));

    // Beyond the bitmap the paint goes straight to the screen.
    screen.Clear();
    f.control.Paint(screen, {0, 0, 300, 320});
    EXPECT_EQ(screen.Calls().size(), 1u);

    // No off-screen context to be had: straight to the screen.
    Fixture g;
    screen.Clear();
    screen.FailCompatible(true);
    g.control.Paint(screen, {0, 0, 240, 268});
    EXPECT_TRUE(std::holds_alternative<test::FillRectCall>(screen.Calls().at(0)));
    SetScreenSize(480, 640);
}

TEST(GpsControl, NewFixMessageDestroysItsObject) {
    struct Watched : CPositionMessage {
        explicit Watched(bool& gone) : CPositionMessage(CGpsPosition{}), gone(gone) {}
        ~Watched() override { gone = true; }
        bool& gone;
    };
    Fixture f;
    for (std::uintptr_t code : {kPositionNewFix, kPositionConnectionLost}) {
        bool gone = false;
        platform::WindowMessage m{kMsgPosition, code, 0, std::make_unique<Watched>(gone)};
        EXPECT_EQ(f.control.OnMessage(m), 0);
        EXPECT_EQ(gone, code == kPositionNewFix) << code;
    }
    EXPECT_EQ(f.control.dataObjects, 1);
}

}  // namespace
}  // namespace rq
