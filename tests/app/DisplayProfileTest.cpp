#include <gtest/gtest.h>

#include <fstream>

#include "app/DisplayProfile.h"
#include "app/Screen.h"
#include "support/AppTest.h"

namespace rq {
namespace {

TEST(Screen, ClassAndOrientation) {
    const struct {
        int width;
        int screenClass;
    } classes[] = {{0, 3},   {176, 3}, {240, 3}, {250, 3}, {251, 4},
                   {480, 4}, {490, 4}, {491, 0}, {640, 0}, {800, 0}};
    for (const auto& c : classes) EXPECT_EQ(ScreenClassForWidth(c.width), c.screenClass) << c.width;
    EXPECT_EQ(OrientationFor(480, 640), 1);
    EXPECT_EQ(OrientationFor(640, 480), -1);
    EXPECT_EQ(OrientationFor(240, 240), 0);
}

TEST(DisplayProfile, BuiltInColumns) {
    const DisplayProfile initial;
    const DisplayProfile large = BuiltInDisplayProfile(kScreenClassLarge);
    for (const DisplayProfile* p : {&initial, &large}) {
        EXPECT_EQ(p->mapScaleTextSize, 12);
        EXPECT_FALSE(p->mapScaleTextBold);
        EXPECT_EQ(p->mapCoordinateBarTextSize, 12);
        EXPECT_EQ(p->poiNameViewWidth, 3000.0f);
        EXPECT_EQ(p->infoTextSize2, 16);
        EXPECT_EQ(p->compassHeadingFontSize, 26);
        EXPECT_EQ(p->compassLargeScaleFontSize, 18);
    }
    const DisplayProfile small = BuiltInDisplayProfile(kScreenClassSmall);
    EXPECT_EQ(small.mapScaleTextSize, 14);
    EXPECT_EQ(small.mapLargeTextSize, 20);
    EXPECT_EQ(small.poiNameViewWidth, 6000.0f);
    EXPECT_EQ(small.infoTextSize3, 20);
    EXPECT_EQ(small.compassSmallScaleFontSize, 12);
    const DisplayProfile vga = BuiltInDisplayProfile(kScreenClassVga);
    EXPECT_EQ(vga.mapScaleTextSize, 22);
    EXPECT_TRUE(vga.mapScaleTextBold);
    EXPECT_EQ(vga.mapSmallTextSize, 18);
    EXPECT_EQ(vga.mapNormalTextSize, 20);
    EXPECT_EQ(vga.mapCoordinateBarTextSize, 32);
    EXPECT_EQ(vga.poiNameViewWidth, 10000.0f);
    EXPECT_EQ(vga.satelliteFontHeight, 24);
    EXPECT_EQ(vga.satelliteCornerFontHeight, 24);
    EXPECT_EQ(vga.infoTextSize1, 26);
    EXPECT_EQ(vga.infoTextSize2, 40);
    EXPECT_EQ(vga.infoTextSize3, 30);
    EXPECT_EQ(vga.compassHeadingFontSize, 42);
    EXPECT_EQ(vga.compassSmallScaleFontSize, 24);
    EXPECT_EQ(vga.compassLargeScaleFontSize, 32);
    EXPECT_STREQ(DisplayProfileFileName(kScreenClassSmall), "default_cfg.ini");
    EXPECT_STREQ(DisplayProfileFileName(kScreenClassVga), "default_cfg_vga.ini");
    EXPECT_STREQ(DisplayProfileFileName(kScreenClassLarge), "default_cfg.ini");
}

TEST(DisplayProfile, OverrideLines) {
    // Each file is applied to the VGA column (small text 18, bold, POI width 10000).
    const struct {
        const char* file;
        std::int32_t small;
        bool bold;
        float poiWidth;
    } cases[] = {
        {"MAPCTRL_DEFAULTS.SMALL_TEXT_SIZE = 15", 15, true, 10000},
        {"  mapctrl_defaults.small_text_size=15\r\n", 15, true, 10000},
        {"mapctrl_defaults.small_text_size = abc", 18, true, 10000},
        {"mapctrl_defaults.small_text_size =", 18, true, 10000},
        {"mapctrl_defaults.small_text_size", 18, true, 10000},
        {"mapctrl_defaults.small_text_size = 15px", 15, true, 10000},
        {"mapctrl_defaults.small_text_size = -3", -3, true, 10000},
        {"mapctrl_defaults.small_text_size = 99999999999", 2147483647, true, 10000},
        {"'mapctrl_defaults.small_text_size = 15", 18, true, 10000},
        {"  ' mapctrl_defaults.small_text_size = 15", 18, true, 10000},
        {"mapctrl_defaults.small_text_size = 15\nmapctrl_defaults.small_text_size = 16", 16, true,
         10000},
        {"mapctrl_defaults.small_text_size = 15\nmapctrl_defaults.small_text_size = x", 15, true,
         10000},
        {"mapctrl_defaults.small_text_size = 1=2", 1, true, 10000},
        {"mapctrl_defaults.small_text_size = 1\r\r\n", 1, true, 10000},
        {"mapctrl_defaults.small_text_\rsize = 17", 17, true, 10000},
        {"mapctrl_defaults.scale_text_bold = yes", 18, true, 10000},
        {"mapctrl_defaults.scale_text_bold = Yes", 18, false, 10000},
        {"mapctrl_defaults.scale_text_bold =", 18, false, 10000},
        {"mapctrl_defaults.scale_text_bold = no\nMAPCTRL_DEFAULTS.SCALE_TEXT_BOLD=yes ", 18, true,
         10000},
        {"mapctrl_defaults.show_poi_name_zoom = 2500.5", 18, true, 2500.5f},
        {"mapctrl_defaults.show_poi_name_zoom = 2e3", 18, true, 2000},
        {"mapctrl_defaults.show_poi_name_zoom = +12", 18, true, 12},
        {"mapctrl_defaults.show_poi_name_zoom = far", 18, true, 10000},
        {"mapctrl_defaults.show_poi_name_zoom = 1e99", 18, true, 3.40282347e38f},
        {"unknown.key = 5\n\n\n=\n= 7\n", 18, true, 10000},
        // A no-break space (0xA0 in the ANSI page) trims like a blank.
        {"mapctrl_defaults.small_text_size\xA0= 15", 15, true, 10000},
        {"", 18, true, 10000},
    };
    for (const auto& c : cases) {
        DisplayProfile profile = BuiltInDisplayProfile(kScreenClassVga);
        ApplyDisplayProfileOverrides(profile, c.file);
        EXPECT_EQ(profile.mapSmallTextSize, c.small) << c.file;
        EXPECT_EQ(profile.mapScaleTextBold, c.bold) << c.file;
        EXPECT_EQ(profile.poiNameViewWidth, c.poiWidth) << c.file;
        EXPECT_EQ(profile.mapNormalTextSize, 20) << c.file;
    }

    DisplayProfile profile;
    ApplyDisplayProfileOverrides(profile,
                                 "mapctrl_defaults.scale_text_size=1\n"
                                 "mapctrl_defaults.normal_text_size=3\n"
                                 "mapctrl_defaults.large_text_size=4\n"
                                 "mapctrl_defaults.coordinate_bar_text_size=5\n"
                                 "satellitectrl_defaults.font_height=6\n"
                                 "satellitectrl_defaults.corner_font_height=7\n"
                                 "gpsinfo_panel_defaults.text_size1=8\n"
                                 "gpsinfo_panel_defaults.text_size2=9\n"
                                 "gpsinfo_panel_defaults.text_size3=10\n"
                                 "compass_defaults.heading_font_size=11\n"
                                 "compass_defaults.small_scale_font_size=12\n"
                                 "compass_defaults.large_scale_font_size=13");
    const std::int32_t got[] = {profile.mapScaleTextSize,
                                profile.mapNormalTextSize,
                                profile.mapLargeTextSize,
                                profile.mapCoordinateBarTextSize,
                                profile.satelliteFontHeight,
                                profile.satelliteCornerFontHeight,
                                profile.infoTextSize1,
                                profile.infoTextSize2,
                                profile.infoTextSize3,
                                profile.compassHeadingFontSize,
                                profile.compassSmallScaleFontSize,
                                profile.compassLargeScaleFontSize};
    for (std::int32_t i = 0; i < 12; ++i) EXPECT_EQ(got[i], i + 1 + (i > 0 ? 1 : 0)) << i;
}

class DisplayProfileFileTest : public test::AppTest {};

TEST_F(DisplayProfileFileTest, LoadsTheFileOfTheScreenClass) {
    SetScreenSize(480, 640);
    LoadDisplayProfile();
    EXPECT_EQ(CurrentDisplayProfile().mapScaleTextSize, 22);
    EXPECT_TRUE(CurrentDisplayProfile().mapScaleTextBold);

    std::ofstream(folder_.Path() + "default_cfg.ini") << "mapctrl_defaults.scale_text_size=9\n";
    std::ofstream(folder_.Path() + "default_cfg_vga.ini")
        << "' made for a VGA screen\r\nmapctrl_defaults.scale_text_size = 30\r\n";
    LoadDisplayProfile();
    EXPECT_EQ(CurrentDisplayProfile().mapScaleTextSize, 30);
    SetScreenSize(240, 320);
    LoadDisplayProfile();
    EXPECT_EQ(CurrentDisplayProfile().mapScaleTextSize, 9);
    EXPECT_EQ(CurrentDisplayProfile().mapSmallTextSize, 14);
    SetScreenSize(640, 480);
    LoadDisplayProfile();
    EXPECT_EQ(CurrentDisplayProfile().mapScaleTextSize, 9);
    EXPECT_EQ(CurrentDisplayProfile().poiNameViewWidth, 3000.0f);
    SetScreenSize(480, 640);
}

}  // namespace
}  // namespace rq
