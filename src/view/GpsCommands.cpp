#include "view/GpsCommands.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "app/Settings.h"
#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/PortDiagnosis.h"
#include "platform/PortMap.h"
#include "platform/Text.h"

namespace rq {

namespace {
constexpr std::uint32_t kPortTimeoutMs = 10;
constexpr float kDefaultPlaySpeed = 2.0f;
}  // namespace

bool ConnectGps(CCommKeeper& keeper, bool autoRecord) {
    platform::WaitCursor wait;
    char name[32];
    std::snprintf(name, sizeof name, "COM%u:", static_cast<unsigned>(GetPort()));
    bool opened = keeper.OpenPort(platform::Widen(name), GetBoudrate(), 8, false, 0,
                                  platform::kTwoStopBits, kPortTimeoutMs, kPortTimeoutMs,
                                  kPortTimeoutMs, kPortTimeoutMs, kPortTimeoutMs);
    bool started = opened && keeper.Start(platform::kNoWindow, platform::ThreadPriority::Normal);
    if (!started) {
        if (opened) keeper.Stop(kStopTimeoutMs);
        const int error = keeper.Port().LastError();
        keeper.ClosePort();
        SetLastConnectionStatus(0);
        std::u16string text = LoadResourceString(StringId::CanNotOpenGpsPort);
        if (!opened) {
            // Why, in words the user can act on: no device, no permission, or held by
            // another program.
            std::string port(name, std::strlen(name) - 1);  // without the colon
            const std::optional<std::string> device =
                platform::ResolvePortName(platform::Widen(name));
            text += u"\n\n" + platform::FromUtf8(platform::ExplainPortOpenFailure(
                                  port, device.value_or(std::string()), error));
        }
        platform::ShowMessage(text, platform::MessageIcon::Error);
        return false;
    }
    SetLastConnectionStatus(1);
    if (autoRecord) StartGpsLogRecording(keeper, DefaultRecordingName());
    return true;
}

void DisconnectGps(CCommKeeper& keeper) {
    platform::WaitCursor wait;
    // A worker that did not stop in time still reads the port; it closes the port
    // itself as it ends, so the handle is not pulled from under it.
    if (keeper.Stop(kStopTimeoutMs)) keeper.ClosePort();
    SetLastConnectionStatus(0);
}

bool PlayGpsLog(CFileKeeper& player, const std::string& path) {
    platform::WaitCursor wait;
    if (!player.Open(path)) {
        ShowStringMessage(StringId::ErrorOpeningGpsLogFile, platform::MessageIcon::Error);
        return false;
    }
    float speed = kDefaultPlaySpeed;
    if (!GetLogPlaySpeed(speed)) speed = kDefaultPlaySpeed;
    player.SetSpeed(speed);
    if (!player.Start(platform::kNoWindow, platform::ThreadPriority::BelowNormal)) {
        ShowStringMessage(StringId::CanNotOpenGpsPort, platform::MessageIcon::Error);
        return false;
    }
    return true;
}

bool StopGpsLog(CFileKeeper& player) {
    platform::WaitCursor wait;
    if (!player.Stop(kStopTimeoutMs)) {
        ShowStringMessage(StringId::CanNotOpenGpsPort, platform::MessageIcon::Information);
        return false;
    }
    player.Close();
    return true;
}

void SetPlaySpeed(CFileKeeper& player, float factor) {
    player.SetSpeed(factor);
    SetLogPlaySpeed(factor);
}

void ToggleRepeat(CFileKeeper& player) {
    player.SetRepeat(!player.GetRepeat());
    SetRepeatGpsLog(player.GetRepeat() ? 1 : 0);
}

std::u16string DefaultRecordingName(const platform::CalendarTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%d-%02d-%02d_%02d-%02d-%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return platform::Widen(text);
}

std::u16string DefaultRecordingName() {
    return DefaultRecordingName(platform::LocalNow());
}

bool StartGpsLogRecording(CCommKeeper& keeper, std::u16string_view name) {
    std::string folder = platform::JoinPath(platform::ProgramFolder(), "logs");
    if (!platform::PathExists(folder)) platform::CreateFolder(folder);
    std::string path = platform::JoinPath(folder, platform::ToUtf8(name) + ".nmea");
    if (!keeper.StartRecording(path)) {
        ShowStringMessage(StringId::FailedToStartRecordingGpsLog, platform::MessageIcon::Error);
        return false;
    }
    return true;
}

bool StopGpsLogRecording(CCommKeeper& keeper) {
    if (!keeper.StopRecording()) {
        ShowStringMessage(StringId::FailToStopRecordingGpsLog, platform::MessageIcon::Error);
        return false;
    }
    return true;
}

}  // namespace rq
