// The settings store: every persistent preference and the state remembered from the last
// run, one getter and one setter per value under one registry key. Getters fall back to
// the value's default when anything is missing; setters report whether the write
// succeeded. Every access, read or write, creates the whole key path first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "geo/Coordinate.h"
#include "resources/CommandIds.h"

namespace rq {

inline constexpr std::u16string_view kSettingsKey =
    u"HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\GPS";

std::uint32_t GetPort();
bool SetPort(std::uint32_t value);
// The value name is spelled "Boudrate".
std::uint32_t GetBoudrate();
bool SetBoudrate(std::uint32_t value);
std::uint32_t GetTrackPosition();
bool SetTrackPosition(std::uint32_t value);

// Binary values: false (and `out` unchanged) when absent or not of the stored size.
bool GetLastMapPosition(CCoordinate& out);
bool SetLastMapPosition(const CCoordinate& value);
bool GetLastNavigationPoint(CCoordinate& out);
bool SetLastNavigationPoint(const CCoordinate& value);
std::u16string GetLastNavigationName();
bool SetLastNavigationName(std::u16string_view value);
std::uint32_t GetLastNavigationStatus();
bool SetLastNavigationStatus(std::uint32_t value);
bool GetLastMapScale(double& out);
bool SetLastMapScale(double value);
bool GetLogPlaySpeed(float& out);
bool SetLogPlaySpeed(float value);

std::uint32_t GetLastView();
bool SetLastView(std::uint32_t value);
std::uint32_t GetLastConnectionStatus();
bool SetLastConnectionStatus(std::uint32_t value);
std::uint32_t GetTaThreshold();
bool SetTaThreshold(std::uint32_t value);
std::uint32_t GetTsThreshold();
bool SetTsThreshold(std::uint32_t value);
std::uint32_t GetMaximumTrackSegments();
bool SetMaximumTrackSegments(std::uint32_t value);
std::u16string GetLastLoadedRoute();
bool SetLastLoadedRoute(std::u16string_view value);
std::u16string GetLastLoadedPoi();
bool SetLastLoadedPoi(std::u16string_view value);
std::uint32_t GetRepeatGpsLog();
bool SetRepeatGpsLog(std::uint32_t value);
std::uint32_t GetAutoRecord();
bool SetAutoRecord(std::uint32_t value);
std::uint32_t GetShowPoi();
bool SetShowPoi(std::uint32_t value);
std::uint32_t GetShowPositionMessage();
bool SetShowPositionMessage(std::uint32_t value);
std::uint32_t GetShowTrackInfo();
bool SetShowTrackInfo(std::uint32_t value);
std::uint32_t GetVibrateOnMessage();
bool SetVibrateOnMessage(std::uint32_t value);
std::uint32_t GetLastGpsInfoPage();
bool SetLastGpsInfoPage(std::uint32_t value);
std::u16string GetAppPath();
bool SetAppPath(std::u16string_view value);
std::uint32_t GetUnitMode();
bool SetUnitMode(std::uint32_t value);
std::uint32_t GetLanguageId();
bool SetLanguageId(std::uint32_t value);

// The navigation target as one group. The setter writes point, name and status in that
// order and succeeds only when all three writes do. The getter fails, changing nothing,
// when the point is absent; an absent name reads empty, an absent status 0.
bool GetNavigation(CCoordinate& point, std::u16string& name, std::uint32_t& status);
bool SetNavigation(const CCoordinate& point, std::u16string_view name, std::uint32_t status);

// What the main view stores when the user leaves the program.
struct ExitSettings {
    double mapScale = 0;
    CCoordinate mapCenter;
    CCoordinate navigationPoint;
    std::u16string navigationName;
    std::uint32_t navigationStatus = 0;
    std::uint32_t gpsInfoPage = 0;
    std::uint32_t showPoi = 1;
    std::uint32_t showPositionMessage = 1;
    std::uint32_t showTrackInfo = 1;
    std::uint32_t vibrateOnMessage = 1;
    std::uint32_t unitMode = 0;
};
// Writes map scale, map position, the navigation group, info page, the three display
// switches, the vibrate flag and the unit mode, in that order; true when every write did.
bool WriteExitSettings(const ExitSettings& values);

// The play-speed items: command id and factor.
struct PlaySpeedItem {
    CommandId command;
    float factor;
};
inline constexpr PlaySpeedItem kPlaySpeedItems[] = {
    {CommandId::PlaySpeed1, 1.0f},     {CommandId::PlaySpeed2, 2.0f},
    {CommandId::PlaySpeed4, 4.0f},     {CommandId::PlaySpeed8, 8.0f},
    {CommandId::PlaySpeed16, 16.0f},   {CommandId::PlaySpeed32, 32.0f},
    {CommandId::PlaySpeed100, 100.0f},
};
// Whether the speed item of `factor` carries a check mark; none when "Log Play Speed" is
// absent, in which case the item's check state is left as it is.
std::optional<bool> PlaySpeedItemChecked(float factor);

}  // namespace rq
