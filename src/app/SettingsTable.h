// The table of every value of the settings store, with its kind and default, and a
// description of what is stored now (for roamquill-tool settings).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rq {

enum class SettingKind { Integer, Text, Binary };

struct SettingDefinition {
    const char16_t* name;
    SettingKind kind;
    // Integer values: the default when absent. Text values default to empty text;
    // binary values have no default.
    std::uint32_t integerDefault;
    // Binary values: the stored size in bytes (8-byte doubles, or one 4-byte float).
    std::size_t binarySize;
};

// Every value of the store, in table order: accessor name, value name, kind, integer
// default, binary size. The one source of the definitions below and of the accessors of
// Settings.h.
#define RQ_SETTINGS(X)                                                   \
    X(Port, u"Port", Integer, 1, 0)                                      \
    X(Boudrate, u"Boudrate", Integer, 4800, 0)                           \
    X(TrackPosition, u"Track Position", Integer, 1, 0)                   \
    X(LastMapPosition, u"Last Map Position", Binary, 0, 16)              \
    X(LastNavigationPoint, u"Last Navigation Point", Binary, 0, 16)      \
    X(LastNavigationName, u"Last Navigation Name", Text, 0, 0)           \
    X(LastNavigationStatus, u"Last Navigation Status", Integer, 0, 0)    \
    X(LastMapScale, u"Last Map Scale", Binary, 0, 8)                     \
    X(LogPlaySpeed, u"Log Play Speed", Binary, 0, 4)                     \
    X(LastView, u"Last View", Integer, 0, 0)                             \
    X(LastConnectionStatus, u"Last Connection Status", Integer, 0, 0)    \
    X(TaThreshold, u"TA Threshold", Integer, 10, 0)                      \
    X(TsThreshold, u"TS Threshold", Integer, 6, 0)                       \
    X(MaximumTrackSegments, u"Maximum Track Segments", Integer, 5000, 0) \
    X(LastLoadedRoute, u"Last Loaded Route", Text, 0, 0)                 \
    X(LastLoadedPoi, u"Last Loaded Poi", Text, 0, 0)                     \
    X(RepeatGpsLog, u"Repeat Gps Log", Integer, 0, 0)                    \
    X(AutoRecord, u"Auto Record", Integer, 0, 0)                         \
    X(ShowPoi, u"Show Poi", Integer, 1, 0)                               \
    X(ShowPositionMessage, u"Show Position Message", Integer, 1, 0)      \
    X(ShowTrackInfo, u"Show Track Info", Integer, 1, 0)                  \
    X(VibrateOnMessage, u"Vibrate On Message", Integer, 1, 0)            \
    X(LastGpsInfoPage, u"Last Gps Info Page", Integer, 0, 0)             \
    X(AppPath, u"App Path", Text, 0, 0)                                  \
    X(UnitMode, u"Unit Mode", Integer, 0, 0)                             \
    X(LanguageId, u"Language Id", Integer, 0, 0)

// setting::Port, setting::LastMapScale, ...: one definition per value.
namespace setting {
#define RQ_SETTING_DEFINITION(Name, valueName, kind, integerDefault, binarySize)          \
    inline constexpr SettingDefinition Name{valueName, SettingKind::kind, integerDefault, \
                                            binarySize};
RQ_SETTINGS(RQ_SETTING_DEFINITION)
#undef RQ_SETTING_DEFINITION
}  // namespace setting

const std::vector<SettingDefinition>& SettingDefinitions();
const SettingDefinition* FindSetting(std::u16string_view name);

struct SettingDescription {
    const SettingDefinition* definition = nullptr;
    bool present = false;
    // The stored value when present, else the default (binary: empty when absent).
    std::uint32_t integer = 0;
    std::u16string text;
    std::vector<double> numbers;
};
// One description per value, in table order. Creates the key path like every access.
std::vector<SettingDescription> DescribeSettings();

// Stores an integer (decimal) or a text value given as text; false with a reason for
// unknown names, binary values and unreadable numbers, or when the write fails.
bool SetSettingFromText(std::u16string_view name, std::u16string_view value, std::string& error);

}  // namespace rq
