#include "app/DisplayProfile.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

#include "app/Screen.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace rq {

namespace {

DisplayProfile g_profile;

// "%d": optional white space and sign, then decimal digits; none when no digit follows.
// Values beyond 32 bits saturate instead of wrapping.
std::optional<std::int32_t> ScanInteger(std::u16string_view text) {
    std::size_t at = 0;
    while (at < text.size() && platform::IsSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    const std::size_t firstDigit = at;
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9') {
        magnitude = magnitude * 10 + (text[at] - u'0');
        if (magnitude > kLimit) magnitude = kLimit;
        ++at;
    }
    if (at == firstDigit) return std::nullopt;
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

// "%f": optional white space and sign, then a decimal number, independent of the
// process locale. None when nothing converts.
std::optional<float> ScanFloat(std::u16string_view text) {
    std::string narrow;
    std::size_t at = 0;
    while (at < text.size() && platform::IsSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    for (; at < text.size() && text[at] < 0x80; ++at) {
        narrow.push_back(static_cast<char>(text[at]));
    }
    if (narrow.empty() || narrow[0] == '-' || narrow[0] == '+') return std::nullopt;
    double value = 0;
    const auto result = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (result.ec != std::errc() || result.ptr == narrow.data()) return std::nullopt;
    // Kept within the float range: a narrowing conversion beyond it is undefined.
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (value > kLargest) value = kLargest;
    const float single = static_cast<float>(value);
    return negative ? -single : single;
}

struct IntegerKey {
    const char16_t* key;
    std::int32_t DisplayProfile::*field;
};

constexpr IntegerKey kIntegerKeys[] = {
    {u"mapctrl_defaults.scale_text_size", &DisplayProfile::mapScaleTextSize},
    {u"mapctrl_defaults.small_text_size", &DisplayProfile::mapSmallTextSize},
    {u"mapctrl_defaults.normal_text_size", &DisplayProfile::mapNormalTextSize},
    {u"mapctrl_defaults.large_text_size", &DisplayProfile::mapLargeTextSize},
    {u"mapctrl_defaults.coordinate_bar_text_size", &DisplayProfile::mapCoordinateBarTextSize},
    {u"satellitectrl_defaults.font_height", &DisplayProfile::satelliteFontHeight},
    {u"satellitectrl_defaults.corner_font_height", &DisplayProfile::satelliteCornerFontHeight},
    {u"gpsinfo_panel_defaults.text_size1", &DisplayProfile::infoTextSize1},
    {u"gpsinfo_panel_defaults.text_size2", &DisplayProfile::infoTextSize2},
    {u"gpsinfo_panel_defaults.text_size3", &DisplayProfile::infoTextSize3},
    {u"compass_defaults.heading_font_size", &DisplayProfile::compassHeadingFontSize},
    {u"compass_defaults.small_scale_font_size", &DisplayProfile::compassSmallScaleFontSize},
    {u"compass_defaults.large_scale_font_size", &DisplayProfile::compassLargeScaleFontSize},
};

void ApplyLine(DisplayProfile& profile, std::u16string_view line) {
    const std::u16string trimmed = platform::Trim(line);
    if (trimmed.empty() || trimmed[0] == u'\'') return;
    const std::size_t equals = trimmed.find(u'=');
    const std::u16string key = platform::Trim(std::u16string_view(trimmed).substr(0, equals));
    const std::u16string value =
        equals == std::u16string::npos
            ? std::u16string()
            : platform::Trim(std::u16string_view(trimmed).substr(equals + 1));
    for (const IntegerKey& entry : kIntegerKeys) {
        if (platform::EqualsNoCase(key, entry.key)) {
            if (const auto number = ScanInteger(value)) profile.*entry.field = *number;
            return;
        }
    }
    if (platform::EqualsNoCase(key, u"mapctrl_defaults.show_poi_name_zoom")) {
        if (const auto number = ScanFloat(value)) profile.poiNameViewWidth = *number;
    } else if (platform::EqualsNoCase(key, u"mapctrl_defaults.scale_text_bold")) {
        profile.mapScaleTextBold = value == u"yes";
    }
}

}  // namespace

DisplayProfile BuiltInDisplayProfile(int screenClass) {
    DisplayProfile profile;  // the large-screen column
    if (screenClass == kScreenClassSmall) {
        profile = {14, false, 14, 16, 20, 16, 6000.0f, 14, 14, 16, 22, 20, 26, 12, 18};
    } else if (screenClass == kScreenClassVga) {
        profile = {22, true, 18, 20, 22, 32, 10000.0f, 24, 24, 26, 40, 30, 42, 24, 32};
    }
    return profile;
}

const char* DisplayProfileFileName(int screenClass) {
    return screenClass == kScreenClassVga ? "default_cfg_vga.ini" : "default_cfg.ini";
}

void ApplyDisplayProfileOverrides(DisplayProfile& profile, std::string_view fileBytes) {
    std::size_t start = 0;
    while (start < fileBytes.size()) {
        std::size_t end = fileBytes.find('\n', start);
        if (end == std::string_view::npos) end = fileBytes.size();
        std::string line;
        for (std::size_t i = start; i < end; ++i) {
            if (fileBytes[i] != '\r') line.push_back(fileBytes[i]);
        }
        ApplyLine(profile, platform::FromAnsi(line));
        start = end + 1;
    }
}

DisplayProfile ReadDisplayProfile(const std::string& folder, int screenClass) {
    DisplayProfile profile = BuiltInDisplayProfile(screenClass);
    std::vector<std::uint8_t> bytes;
    if (platform::ReadWholeFile(platform::JoinPath(folder, DisplayProfileFileName(screenClass)),
                                bytes)) {
        ApplyDisplayProfileOverrides(
            profile, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    return profile;
}

void LoadDisplayProfile() {
    g_profile = ReadDisplayProfile(platform::ProgramFolder(), ScreenClass());
}

const DisplayProfile& CurrentDisplayProfile() {
    return g_profile;
}

}  // namespace rq
