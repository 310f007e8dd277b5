#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <tuple>

#include "app/Screen.h"
#include "controls/CompassControl.h"
#include "controls/GpsInfoListControl.h"
#include "controls/InfoPanelItems.h"
#include "controls/SatelliteControl.h"
#include "support/QtTestApp.h"
#include "ui/ControlWidget.h"
#include "ui/QtDC.h"
#include "view/ControlModelOf.h"

namespace rq {
namespace {

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(QtDC, DrawsWithTheDevicesConventions) {
    test::TestApp();
    auto screen = ui::QtDC::OnImage({40, 40});
    ASSERT_TRUE(screen);
    auto dc = screen->CreateCompatibleDC({40, 40});
    ASSERT_TRUE(dc);
    EXPECT_FALSE(screen->CreateCompatibleDC({0, 40}));

    dc->FillRect({0, 0, 40, 40}, 0xFFFFFF);
    dc->FillRect({2, 2, 5, 5}, 0x0000FF);  // red in 0x00BBGGRR
    dc->Line({10, 10}, {20, 10});
    {
        CDCSelect<CPen> pen(*dc, CPen{PenStyle::Solid, 1, 0xFF0000});
        CDCSelect<CBrush> brush(*dc, CBrush::Null());
        dc->Ellipse({0, 20, 10, 30});
    }
    screen->BitBlt({0, 0, 40, 40}, *dc, {0, 0});
    const QImage& image = *static_cast<ui::QtDC*>(screen.get())->Image();
    EXPECT_EQ(Pixel(image, 2, 2), 0xFF0000u);
    EXPECT_EQ(Pixel(image, 4, 4), 0xFF0000u);
    EXPECT_EQ(Pixel(image, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(Pixel(image, 19, 10), 0x000000u);
    EXPECT_EQ(Pixel(image, 20, 10), 0xFFFFFFu);  // the last pixel is left out
    EXPECT_EQ(Pixel(image, 9, 25), 0x0000FFu);   // the ellipse stays inside right - 1
    EXPECT_EQ(Pixel(image, 10, 25), 0xFFFFFFu);
    EXPECT_EQ(Pixel(image, 5, 25), 0xFFFFFFu);  // null brush: not filled

    // The named faces resolve to the installed one; the cell height is the logical one.
    const CFont tahoma = CreateControlFont(20, 700, u"Tahoma");
    EXPECT_EQ(QFontInfo(ui::QtDC::ToQFont(tahoma)).family(), "DejaVu Sans");
    EXPECT_EQ(
        QFontInfo(ui::QtDC::ToQFont(CreateControlFont(12, 400, u"Microsoft Sans Serif"))).family(),
        "DejaVu Sans");
    dc->Select(tahoma);
    const CSize one = dc->GetTextExtent(u"88");
    EXPECT_GE(one.cy, 17);
    EXPECT_LE(one.cy, 20);
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(dc->GetTextExtent(u"88\n8").cy, 2 * one.cy);
}

TEST(ControlWidget, EachControlPaintsAtBothScreenSizesWithOneBitmap) {
    test::TestApp();
    SetScreenSize(480, 640);
    CGpsViewData data;
    data.track.fix.satellites[0] = CSatellite{1, 12, 40, 60, 35};
    const CControlModel model = ControlModelOf(data);
    CSatelliteControl satellite(model);
    CCompassTargetMemory memory;
    CCompassControl compass(model, memory);
    CGpsInfoListControl info(model);
    AddInfoPanelItems(info, DisplayProfile{});
    satellite.m_crBackground = compass.m_crBackground = 0xE6E6E6;
    info.m_crBackground = 0xFFFFFF;

    const std::tuple<CGpsControl&, QRgb, const char*> cases[] = {
        {satellite, 0xE6E6E6, "Satellite Status Control"},
        {compass, 0xE6E6E6, "Compass Control"},
        {info, 0xFFFFFF, "Gps Info Control"}};
    ui::IconSource noIcons;
    for (const auto& [control, background, title] : cases) {
        ui::ControlWidget widget(control, &noIcons);
        EXPECT_TRUE(widget.Created());
        EXPECT_EQ(widget.windowTitle(), title);
        const CDC* bitmap = nullptr;
        for (const QSize size : {QSize(240, 320), QSize(480, 640), QSize(240, 320)}) {
            widget.resize(size);
            const QImage image = widget.grab().toImage();
            EXPECT_EQ(control.ClientSize(), (CSize{size.width(), size.height()}));
            ASSERT_EQ(image.size(), size);
            EXPECT_EQ(Pixel(image, 1, 30), background) << title;
            if (!bitmap) bitmap = control.MemDC().Get();
            EXPECT_EQ(control.MemDC().Get(), bitmap) << title;
        }
        EXPECT_EQ(control.MemDC().Width(), 480);
        EXPECT_EQ(control.MemDC().Height(), 640);
    }
    EXPECT_EQ(ui::VirtualKeyOf(Qt::Key_Left), kKeyLeft);
    EXPECT_EQ(ui::VirtualKeyOf(Qt::Key_A), 0);
}

}  // namespace
}  // namespace rq
