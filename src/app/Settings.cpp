#include "app/Settings.h"

#include <cmath>
#include <vector>

#include "platform/LittleEndian.h"
#include "platform/Registry.h"

namespace rq {

namespace {

platform::RegistryStore& OpenSettingsKey() {
    platform::RegistryStore& registry = platform::Registry();
    registry.CreateKey(kSettingsKey);
    return registry;
}

std::uint32_t ReadInteger(std::u16string_view name, std::uint32_t fallback) {
    const auto value = OpenSettingsKey().GetValue(kSettingsKey, name);
    if (!value || value->kind != platform::RegistryKind::Integer) return fallback;
    return value->integer;
}

bool WriteInteger(std::u16string_view name, std::uint32_t value) {
    return OpenSettingsKey().SetInteger(kSettingsKey, name, value);
}

std::u16string ReadText(std::u16string_view name) {
    const auto value = OpenSettingsKey().GetValue(kSettingsKey, name);
    if (!value || value->kind != platform::RegistryKind::Text) return {};
    return value->text;
}

bool WriteText(std::u16string_view name, std::u16string_view value) {
    return OpenSettingsKey().SetText(kSettingsKey, name, value);
}

// A binary value of another size than ours is treated as absent rather than read
// partly.
std::optional<std::vector<std::uint8_t>> ReadBinary(std::u16string_view name, std::size_t size) {
    auto value = OpenSettingsKey().GetValue(kSettingsKey, name);
    if (!value || value->kind != platform::RegistryKind::Binary || value->binary.size() != size) {
        return std::nullopt;
    }
    return std::move(value->binary);
}

bool WriteBinary(std::u16string_view name, const std::vector<std::uint8_t>& bytes) {
    return OpenSettingsKey().SetBinary(kSettingsKey, name, bytes);
}

bool ReadCoordinate(std::u16string_view name, CCoordinate& out) {
    const auto bytes = ReadBinary(name, 16);
    if (!bytes) return false;
    out.GetLatitude().Set(platform::GetF64(bytes->data()));
    out.GetLongitude().Set(platform::GetF64(bytes->data() + 8));
    return true;
}

bool WriteCoordinate(std::u16string_view name, const CCoordinate& value) {
    std::vector<std::uint8_t> bytes(16);
    platform::PutF64(bytes.data(), value.GetLatitude().value);
    platform::PutF64(bytes.data() + 8, value.GetLongitude().value);
    return WriteBinary(name, bytes);
}

constexpr char16_t kLastNavigationPoint[] = u"Last Navigation Point";
constexpr char16_t kLastNavigationName[] = u"Last Navigation Name";
constexpr char16_t kLastNavigationStatus[] = u"Last Navigation Status";

}  // namespace

#define RQ_INTEGER_SETTING(Name, valueName, fallback) \
    std::uint32_t Get##Name() {                       \
        return ReadInteger(u"" valueName, fallback);  \
    }                                                 \
    bool Set##Name(std::uint32_t value) {             \
        return WriteInteger(u"" valueName, value);    \
    }
#define RQ_TEXT_SETTING(Name, valueName)        \
    std::u16string Get##Name() {                \
        return ReadText(u"" valueName);         \
    }                                           \
    bool Set##Name(std::u16string_view value) { \
        return WriteText(u"" valueName, value); \
    }

RQ_INTEGER_SETTING(Port, "Port", 1)
RQ_INTEGER_SETTING(Boudrate, "Boudrate", 4800)
RQ_INTEGER_SETTING(TrackPosition, "Track Position", 1)
RQ_TEXT_SETTING(LastNavigationName, "Last Navigation Name")
RQ_INTEGER_SETTING(LastNavigationStatus, "Last Navigation Status", 0)
RQ_INTEGER_SETTING(LastView, "Last View", 0)
RQ_INTEGER_SETTING(LastConnectionStatus, "Last Connection Status", 0)
RQ_INTEGER_SETTING(TaThreshold, "TA Threshold", 10)
RQ_INTEGER_SETTING(TsThreshold, "TS Threshold", 6)
RQ_INTEGER_SETTING(MaximumTrackSegments, "Maximum Track Segments", 5000)
RQ_TEXT_SETTING(LastLoadedRoute, "Last Loaded Route")
RQ_TEXT_SETTING(LastLoadedPoi, "Last Loaded Poi")
RQ_INTEGER_SETTING(RepeatGpsLog, "Repeat Gps Log", 0)
RQ_INTEGER_SETTING(AutoRecord, "Auto Record", 0)
RQ_INTEGER_SETTING(ShowPoi, "Show Poi", 1)
RQ_INTEGER_SETTING(ShowPositionMessage, "Show Position Message", 1)
RQ_INTEGER_SETTING(ShowTrackInfo, "Show Track Info", 1)
RQ_INTEGER_SETTING(VibrateOnMessage, "Vibrate On Message", 1)
RQ_INTEGER_SETTING(LastGpsInfoPage, "Last Gps Info Page", 0)
RQ_TEXT_SETTING(AppPath, "App Path")
RQ_INTEGER_SETTING(UnitMode, "Unit Mode", 0)
RQ_INTEGER_SETTING(LanguageId, "Language Id", 0)

#undef RQ_INTEGER_SETTING
#undef RQ_TEXT_SETTING

bool GetLastMapPosition(CCoordinate& out) {
    return ReadCoordinate(u"Last Map Position", out);
}

bool SetLastMapPosition(const CCoordinate& value) {
    return WriteCoordinate(u"Last Map Position", value);
}

bool GetLastNavigationPoint(CCoordinate& out) {
    return ReadCoordinate(kLastNavigationPoint, out);
}

bool SetLastNavigationPoint(const CCoordinate& value) {
    return WriteCoordinate(kLastNavigationPoint, value);
}

bool GetLastMapScale(double& out) {
    const auto bytes = ReadBinary(u"Last Map Scale", 8);
    if (!bytes) return false;
    out = platform::GetF64(bytes->data());
    return true;
}

bool SetLastMapScale(double value) {
    std::vector<std::uint8_t> bytes(8);
    platform::PutF64(bytes.data(), value);
    return WriteBinary(u"Last Map Scale", bytes);
}

bool GetLogPlaySpeed(float& out) {
    const auto bytes = ReadBinary(u"Log Play Speed", 4);
    if (!bytes) return false;
    out = platform::GetF32(bytes->data());
    return true;
}

bool SetLogPlaySpeed(float value) {
    std::vector<std::uint8_t> bytes(4);
    platform::PutF32(bytes.data(), value);
    return WriteBinary(u"Log Play Speed", bytes);
}

bool GetNavigation(CCoordinate& point, std::u16string& name, std::uint32_t& status) {
    if (!ReadCoordinate(kLastNavigationPoint, point)) return false;
    name = ReadText(kLastNavigationName);
    status = ReadInteger(kLastNavigationStatus, 0);
    return true;
}

bool SetNavigation(const CCoordinate& point, std::u16string_view name, std::uint32_t status) {
    // All three are attempted even when one fails, so the store keeps as much as it can.
    const bool pointWritten = WriteCoordinate(kLastNavigationPoint, point);
    const bool nameWritten = WriteText(kLastNavigationName, name);
    const bool statusWritten = WriteInteger(kLastNavigationStatus, status);
    return pointWritten && nameWritten && statusWritten;
}

bool WriteExitSettings(const ExitSettings& values) {
    bool all = SetLastMapScale(values.mapScale);
    all = SetLastMapPosition(values.mapCenter) && all;
    all = SetNavigation(values.navigationPoint, values.navigationName, values.navigationStatus) &&
          all;
    all = SetLastGpsInfoPage(values.gpsInfoPage) && all;
    all = SetShowPoi(values.showPoi) && all;
    all = SetShowPositionMessage(values.showPositionMessage) && all;
    all = SetShowTrackInfo(values.showTrackInfo) && all;
    all = SetVibrateOnMessage(values.vibrateOnMessage) && all;
    all = SetUnitMode(values.unitMode) && all;
    return all;
}

std::optional<bool> PlaySpeedItemChecked(float factor) {
    float stored = 0;
    if (!GetLogPlaySpeed(stored)) return std::nullopt;
    return std::fabs(stored - factor) < 0.001f;
}

}  // namespace rq
