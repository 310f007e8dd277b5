#include "app/Settings.h"

#include <cmath>
#include <vector>

#include "app/SettingsTable.h"
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

}  // namespace

// The integer and text values get their accessors from the table; binary values and
// groups are written out below.
#define RQ_ACCESSORS_Integer(Name)                                            \
    std::uint32_t Get##Name() {                                               \
        return ReadInteger(setting::Name.name, setting::Name.integerDefault); \
    }                                                                         \
    bool Set##Name(std::uint32_t value) {                                     \
        return WriteInteger(setting::Name.name, value);                       \
    }
#define RQ_ACCESSORS_Text(Name)                      \
    std::u16string Get##Name() {                     \
        return ReadText(setting::Name.name);         \
    }                                                \
    bool Set##Name(std::u16string_view value) {      \
        return WriteText(setting::Name.name, value); \
    }
#define RQ_ACCESSORS_Binary(Name)
#define RQ_ACCESSORS(Name, valueName, kind, integerDefault, binarySize) RQ_ACCESSORS_##kind(Name)
RQ_SETTINGS(RQ_ACCESSORS)
#undef RQ_ACCESSORS
#undef RQ_ACCESSORS_Integer
#undef RQ_ACCESSORS_Text
#undef RQ_ACCESSORS_Binary

bool GetLastMapPosition(CCoordinate& out) {
    return ReadCoordinate(setting::LastMapPosition.name, out);
}

bool SetLastMapPosition(const CCoordinate& value) {
    return WriteCoordinate(setting::LastMapPosition.name, value);
}

bool GetLastNavigationPoint(CCoordinate& out) {
    return ReadCoordinate(setting::LastNavigationPoint.name, out);
}

bool SetLastNavigationPoint(const CCoordinate& value) {
    return WriteCoordinate(setting::LastNavigationPoint.name, value);
}

bool GetLastMapScale(double& out) {
    const auto bytes = ReadBinary(setting::LastMapScale.name, setting::LastMapScale.binarySize);
    if (!bytes) return false;
    out = platform::GetF64(bytes->data());
    return true;
}

bool SetLastMapScale(double value) {
    std::vector<std::uint8_t> bytes(setting::LastMapScale.binarySize);
    platform::PutF64(bytes.data(), value);
    return WriteBinary(setting::LastMapScale.name, bytes);
}

bool GetLogPlaySpeed(float& out) {
    const auto bytes = ReadBinary(setting::LogPlaySpeed.name, setting::LogPlaySpeed.binarySize);
    if (!bytes) return false;
    out = platform::GetF32(bytes->data());
    return true;
}

bool SetLogPlaySpeed(float value) {
    std::vector<std::uint8_t> bytes(setting::LogPlaySpeed.binarySize);
    platform::PutF32(bytes.data(), value);
    return WriteBinary(setting::LogPlaySpeed.name, bytes);
}

bool GetNavigation(CCoordinate& point, std::u16string& name, std::uint32_t& status) {
    if (!ReadCoordinate(setting::LastNavigationPoint.name, point)) return false;
    name = ReadText(setting::LastNavigationName.name);
    status = ReadInteger(setting::LastNavigationStatus.name,
                         setting::LastNavigationStatus.integerDefault);
    return true;
}

bool SetNavigation(const CCoordinate& point, std::u16string_view name, std::uint32_t status) {
    // All three are attempted even when one fails, so the store keeps as much as it can.
    const bool pointWritten = WriteCoordinate(setting::LastNavigationPoint.name, point);
    const bool nameWritten = WriteText(setting::LastNavigationName.name, name);
    const bool statusWritten = WriteInteger(setting::LastNavigationStatus.name, status);
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
