// What the main view's GPS and Log commands do with the keepers: Connect/Disconnect,
// Play/Stop of a log, the play speed and repeat items, Record/Stop Recording. The
// view shows the dialogs, keeps its own flags (start time, icons) and redraws; these
// functions do the rest, messages included.
#pragma once

#include <string>
#include <string_view>

#include "keepers/CommKeeper.h"
#include "keepers/FileKeeper.h"
#include "platform/Time.h"

namespace rq {

inline constexpr std::uint32_t kStopTimeoutMs = 5000;

// Opens "COM%d:" of "Port" at "Boudrate" (8 bits, no parity, two stop bits, 10 ms
// time-outs) and starts the keeper; "Last Connection Status" follows the outcome;
// message 137 on failure. With autoRecord, recording starts under the default name.
// True when connected: the view then clears its start time.
bool ConnectGps(CCommKeeper& keeper, bool autoRecord);
// Stops the keeper and closes the port; "Last Connection Status" 0.
void DisconnectGps(CCommKeeper& keeper);

// Opens the chosen log and starts the player at "Log Play Speed" (2.0 when none is
// stored). Message 140 when the file does not open, 137 when the player does not
// start. True when playing: the view clears its start time and shows the icon.
bool PlayGpsLog(CFileKeeper& player, const std::string& path);
// False (message 137, information) when the player did not stop within 5000 ms.
bool StopGpsLog(CFileKeeper& player);
void SetPlaySpeed(CFileKeeper& player, float factor);
void ToggleRepeat(CFileKeeper& player);

// "%d-%02d-%02d_%02d-%02d-%02d" of the local date and time.
std::u16string DefaultRecordingName(const platform::CalendarTime& local);
std::u16string DefaultRecordingName();
// Records to `name` + ".nmea" in the "logs" folder; message 165 on failure.
bool StartGpsLogRecording(CCommKeeper& keeper, std::u16string_view name);
// Message 164 on failure.
bool StopGpsLogRecording(CCommKeeper& keeper);

}  // namespace rq
