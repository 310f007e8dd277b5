// The text sizes of the display controls, chosen by the screen class at start-up and
// optionally overridden value by value from a text file in the program folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rq {

struct DisplayProfile {
    std::int32_t mapScaleTextSize = 12;
    bool mapScaleTextBold = false;
    std::int32_t mapSmallTextSize = 12;
    std::int32_t mapNormalTextSize = 16;
    std::int32_t mapLargeTextSize = 16;
    std::int32_t mapCoordinateBarTextSize = 12;
    // Metres across the map's client width below which POI names are drawn.
    float poiNameViewWidth = 3000.0f;
    std::int32_t satelliteFontHeight = 12;
    std::int32_t satelliteCornerFontHeight = 12;
    std::int32_t infoTextSize1 = 12;
    std::int32_t infoTextSize2 = 16;
    std::int32_t infoTextSize3 = 14;
    std::int32_t compassHeadingFontSize = 26;
    std::int32_t compassSmallScaleFontSize = 12;
    std::int32_t compassLargeScaleFontSize = 18;
};

// The built-in values of a screen class and the name of its override file.
DisplayProfile BuiltInDisplayProfile(int screenClass);
const char* DisplayProfileFileName(int screenClass);

// Applies the "key = value" lines of an override file (ANSI bytes) to `profile`.
void ApplyDisplayProfileOverrides(DisplayProfile& profile, std::string_view fileBytes);
// The built-in profile of `screenClass` with the override file of `folder` applied
// when it can be read.
DisplayProfile ReadDisplayProfile(const std::string& folder, int screenClass);

// Fills the program-wide record for the current screen from the program folder. Called
// once at start-up, before the main frame exists.
void LoadDisplayProfile();
const DisplayProfile& CurrentDisplayProfile();

}  // namespace rq
