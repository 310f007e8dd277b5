#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "app/DisplayProfile.h"
#include "app/Screen.h"
#include "support/AppTest.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace rq {
namespace {

TEST(Screen, ClassAndOrientation) {
    // Width, screen class.
    const std::pair<int, int> classes[] = {{0, 3},   {176, 3}, {240, 3}, {250, 3}, {251, 4},
                                           {480, 4}, {490, 4}, {491, 0}, {640, 0}, {800, 0}};
    for (const auto& [width, screenClass] : classes)
        EXPECT_EQ(ScreenClassForWidth(width), screenClass) << width;
    EXPECT_EQ(OrientationFor(480, 640), 1);
    EXPECT_EQ(OrientationFor(640, 480), -1);
    EXPECT_EQ(OrientationFor(240, 240), 0);
}

std::vector<double> Fields(const DisplayProfile& p) {
    auto list = [](auto... v) { return std::vector<double>{double(v)...}; };
    return list(p.mapScaleTextSize, p.mapScaleTextBold, p.mapSmallTextSize, p.mapNormalTextSize,
                p.mapLargeTextSize, p.mapCoordinateBarTextSize, p.poiNameViewWidth,
                p.satelliteFontHeight, p.satelliteCornerFontHeight, p.infoTextSize1,
                p.infoTextSize2, p.infoTextSize3, p.compassHeadingFontSize,
                p.compassSmallScaleFontSize, p.compassLargeScaleFontSize);
}

TEST(DisplayProfile, BuiltInColumns) {
    // The initial profile is the large column.
    const std::vector<double> large{12, 0, 12, 16, 16, 12, 3000, 12, 12, 12, 16, 14, 26, 12, 18};
    EXPECT_EQ(Fields(DisplayProfile{}), large);
    EXPECT_EQ(Fields(BuiltInDisplayProfile(kScreenClassLarge)), large);
    EXPECT_EQ(Fields(BuiltInDisplayProfile(kScreenClassSmall)),
              (std::vector<double>{14, 0, 14, 16, 20, 16, 6000, 14, 14, 16, 22, 20, 26, 12, 18}));
    EXPECT_EQ(Fields(BuiltInDisplayProfile(kScreenClassVga)),
              (std::vector<double>{22, 1, 18, 20, 22, 32, 10000, 24, 24, 26, 40, 30, 42, 24, 32}));
    EXPECT_STREQ(DisplayProfileFileName(kScreenClassSmall), "default_cfg.ini");
    EXPECT_STREQ(DisplayProfileFileName(kScreenClassVga), "default_cfg_vga.ini");
    EXPECT_STREQ(DisplayProfileFileName(kScreenClassLarge), "default_cfg.ini");
}

TEST(DisplayProfile, OverrideLines) {
    const auto cases = test::CaseTable("cases/display-profile-overrides.txt");
    ASSERT_EQ(cases.size(), 27u);
    for (const auto& c : cases) {
        DisplayProfile profile = BuiltInDisplayProfile(kScreenClassVga);
        ApplyDisplayProfileOverrides(profile, c[0]);
        EXPECT_EQ(profile.mapSmallTextSize, std::stoi(c[1])) << c[0];
        EXPECT_EQ(profile.mapScaleTextBold, c[2] == "1") << c[0];
        EXPECT_EQ(profile.poiNameViewWidth, std::stof(c[3])) << c[0];
        EXPECT_EQ(profile.mapNormalTextSize, 20) << c[0];
    }

    DisplayProfile profile;
    ApplyDisplayProfileOverrides(
        profile, test::ReadText(RQ_SOURCE_DIR "/tests/data/cases/display-profile-every-key.ini"));
    EXPECT_EQ(Fields(profile),
              (std::vector<double>{1, 0, 12, 3, 4, 5, 3000, 6, 7, 8, 9, 10, 11, 12, 13}));
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
