#include "view/RoamquillPPCView.h"

#include <cmath>

#include "app/Settings.h"
#include "app/StringTable.h"
#include "keepers/CommKeeper.h"
#include "keepers/PositionMessage.h"
#include "keepers/ReceivedMessageRecord.h"
#include "platform/Files.h"
#include "platform/Kernel.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "platform/Wdp.h"
#include "track/Milestones.h"
#include "track/TrackFile.h"
#include "view/CommandTable.h"
#include "view/ControlModelOf.h"
#include "view/ControlSetup.h"
#include "view/FriendsCommands.h"
#include "view/GpsCommands.h"
#include "view/ModelFiles.h"
#include "view/NewFix.h"
#include "view/PoiCommands.h"
#include "view/ReceivedMessages.h"

namespace rq {

namespace {

constexpr std::uint32_t kExitStopTimeoutMs = 10000;
}  // namespace

CRoamquillPPCView::CRoamquillPPCView(CommandBarSwitch& frame)
    : m_frame(frame),
      m_mapCtrl(ControlModelOf(m_data)),
      m_satelliteCtrl(ControlModelOf(m_data)),
      m_compassCtrl(ControlModelOf(m_data)),
      m_infoCtrl(ControlModelOf(m_data)) {}

CRoamquillPPCView::~CRoamquillPPCView() {
    // The keepers must not post to a window that is going away.
    if (m_window != platform::kNoWindow) {
        GetCommKeeper().DetachWindow(m_window);
        m_player.DetachWindow(m_window);
        m_smsKeeper.DetachWindow(m_window);
    }
    m_player.Stop(kExitStopTimeoutMs);
    if (m_smsKeeper.IsRunning()) m_smsKeeper.Stop(kExitStopTimeoutMs);
    // The serial keeper lives as long as the view; its destructor stops the worker.
    DeleteCommKeeper();
}

bool CRoamquillPPCView::OnCreate(const DisplayProfile& profile,
                                 const std::function<bool(CGpsControl&)>& createWindow) {
    m_profile = profile;
    SetUpControls(profile, m_mapCtrl, m_satelliteCtrl, m_compassCtrl, m_infoCtrl);
    for (CGpsControl* control : Controls()) {
        if (!(createWindow ? createWindow(*control) : control->OnCreate())) return false;
    }
    m_recording = ReadRecordingSettings();
    return true;
}

void CRoamquillPPCView::OnInitialUpdate() {
    m_autoSave.Start(platform::GetTickCount());
    SelectView(static_cast<int>(GetLastView()));
    m_data.unitMode = GetUnitMode();
    m_vibrateOnMessage = GetVibrateOnMessage();
    m_infoItems = AddInfoPanelItems(m_infoCtrl, m_profile);
    m_infoCtrl.SetPage(static_cast<int>(GetLastGpsInfoPage()));

    if (m_window != platform::kNoWindow) {
        GetCommKeeper().AttachWindow(m_window);
        m_player.AttachWindow(m_window);
        m_smsKeeper.AttachWindow(m_window);
    }
    if (m_startSmsKeeper) {
        platform::SetWdpSettings(platform::WdpSettingsFromRegistry(platform::Registry()));
        if (!m_smsKeeper.Start(platform::kNoWindow, platform::ThreadPriority::Normal)) {
            ShowStringMessage(StringId::CanNotStartSmsKeeper, platform::MessageIcon::Error);
        }
    }

    m_friends.Load();
    LoadSavedTracks(m_data);
    const std::u16string poi = GetLastLoadedPoi();
    if (!poi.empty()) {
        m_data.localPois.name = poi;
        if (platform::PathExists(m_data.localPois.FilePath()) && !m_data.localPois.Load()) {
            m_data.localPois.name.clear();
            SetLastLoadedPoi(u"");
            ShowStringMessage(StringId::LoadingPoiFailed, platform::MessageIcon::Error, {poi});
        } else if (!platform::PathExists(m_data.localPois.FilePath())) {
            m_data.localPois.name.clear();
        }
    }
    RestoreRouteAndNavigation(m_data);
    LoadDefaultPositionTexts(m_data.positionTexts);

    m_data.track.followFix = GetTrackPosition();
    // The settings file is the user's to edit: a centre off the earth or a scale that
    // is no positive number would leave the map unusable, so such values are ignored.
    CCoordinate centre;
    if (GetLastMapPosition(centre) && std::fabs(centre.m_lat.value) <= 90 &&
        std::fabs(centre.m_lon.value) <= 180) {
        m_mapCtrl.SetCenter(centre);
    }
    double scale = 0;
    if (GetLastMapScale(scale) && std::isfinite(scale) && scale > 0) {
        m_mapCtrl.SetScale(scale, true);
    }
    m_mapCtrl.SetShowPoi(GetShowPoi() != 0);
    m_mapCtrl.SetShowPositionMessage(GetShowPositionMessage() != 0);
    m_mapCtrl.SetShowTrackInfo(GetShowTrackInfo() != 0);

    if (GetLastConnectionStatus() == 1) PostCommand(CommandId::Connect);
    m_player.SetRepeat(GetRepeatGpsLog() != 0);
    m_data.autoRecord = GetAutoRecord();
    RefreshInfoValues();
}

void CRoamquillPPCView::OnSize(int width, int height) {
    for (CGpsControl* control : Controls()) {
        control->OnSize(width, height);
        control->Invalidate();
    }
}

void CRoamquillPPCView::ShowView(int index) {
    for (int i = 0; i < 4; ++i) {
        if (m_showControl) m_showControl(i, false);
    }
    m_mapCtrl.SetVisible(index == 0);
    if (index < 0 || index > 3) return;
    if (m_showControl) m_showControl(index, true);
}

void CRoamquillPPCView::SelectView(int index) {
    m_frame.ShowCommandBar(index);
    ShowView(index);
}

bool CRoamquillPPCView::OnKeyDown(int key) {
    const int view = CurrentView();
    if (key == kKeyAction) {
        SelectView(view >= kCommandBarCount ? 0 : (view + 1) % 4);
        return true;
    }
    if (view == 0) {
        switch (key) {
            case kKeyLeft:
                SendCommand(CommandId::ScrollLeft);
                break;
            case kKeyUp:
                SendCommand(CommandId::ScrollUp);
                break;
            case kKeyRight:
                SendCommand(CommandId::ScrollRight);
                break;
            case kKeyDown:
                SendCommand(CommandId::ScrollDown);
                break;
            default:
                break;
        }
    } else if (view == 3) {
        if (key == kKeyLeft || key == kKeyUp) SendCommand(CommandId::PrevPage);
        if (key == kKeyRight || key == kKeyDown) SendCommand(CommandId::NextPage);
    }
    return false;
}

std::intptr_t CRoamquillPPCView::OnMessage(platform::WindowMessage& message) {
    if (m_exited) {
        OnMessageAfterExit(message);
        return 0;
    }
    // Fixes and received messages are what modify the files; look at the minute here
    // too, not only on the host's timer.
    m_autoSave.OnTimer(m_data, platform::GetTickCount());
    if (message.id == kMsgPosition) {
        OnPositionMessage(message);
    } else if (message.id == kMsgSmsReceived) {
        const auto* record = reinterpret_cast<const ReceivedMessageRecord*>(message.wParam);
        if (record != nullptr) HandleReceivedMessage(m_data, *record, *this);
    } else if (message.id == platform::kMsgCommand) {
        OnCommand(static_cast<CommandId>(message.wParam & 0xFFFF));
    }
    return 0;
}

// The exit sequence has saved the files and the window is about to close. A fix or a
// command still queued behind it would change what was saved: it is dropped. A datagram
// that arrives before the receiver stops is kept and saved at once, not lost with the
// window.
void CRoamquillPPCView::OnMessageAfterExit(platform::WindowMessage& message) {
    if (message.id != kMsgSmsReceived) return;
    const auto* record = reinterpret_cast<const ReceivedMessageRecord*>(message.wParam);
    if (record == nullptr || !HandleReceivedMessage(m_data, *record, *this)) return;
    SaveTracksAndTexts();
}

// What received messages and fixes change: the tracks (ours and the friends') and the
// position texts, each only when modified.
void CRoamquillPPCView::SaveTracksAndTexts() {
    {
        platform::WaitCursor wait;
        SaveModifiedTracks(m_data);
    }
    SaveDefaultPositionTexts(m_data.positionTexts);
}

void CRoamquillPPCView::OnPositionMessage(platform::WindowMessage& message) {
    switch (message.wParam) {
        case kPositionNewFix:
            if (const CGpsPosition* fix = PositionOf(message)) {
                OnNewFix(m_data, *fix, m_recording, this);
                m_satelliteCtrl.AdvanceBlink();
                RefreshVisibleControl();
            }
            // The fix is the message's: it goes with it.
            message.payload.reset();
            break;
        case kPositionConnectionLost:
            SetRecordingIcon(false);
            if (ShowStringMessage(StringId::GpsConnectionIsBroken,
                                  platform::MessageIcon::Question) ==
                platform::MessageAnswer::Yes) {
                PostCommand(CommandId::Connect);
            }
            break;
        case kPositionSourceEnded:
            SetPlaybackIcon(false);
            break;
        default:
            break;
    }
}

bool CRoamquillPPCView::HandlesCommand(CommandId command) {
    return FindCommand(command) != nullptr;
}

CommandState CRoamquillPPCView::StateOf(CommandId command) {
    CommandState state;
    const CommandEntry* row = FindCommand(command);
    if (row != nullptr && row->state != nullptr) row->state(*this, command, state);
    return state;
}

bool CRoamquillPPCView::OnCommand(CommandId command) {
    const CommandEntry* row = FindCommand(command);
    if (row == nullptr) return false;
    row->handle(*this, command);
    return true;
}

void CRoamquillPPCView::ToggleConnection() {
    if (m_player.IsRunning()) return;  // the item is disabled then
    // One item: "Connect" while disconnected, "Disconnect" while connected.
    if (GetCommKeeper().IsRunning()) {
        DisconnectGps(GetCommKeeper());
        SetRecordingIcon(false);
    } else if (ConnectGps(GetCommKeeper(), m_data.autoRecord != 0)) {
        m_data.track.startTime = 0;  // the next dated fix starts the trip
        SetRecordingIcon(GetCommKeeper().IsRecording());
    }
}

void CRoamquillPPCView::TogglePlayback() {
    if (GetCommKeeper().IsRunning()) return;  // the item is disabled then
    // One item: "Play GPS Log" while idle, "Stop" while playing.
    if (m_player.IsRunning()) {
        if (StopGpsLog(m_player)) SetPlaybackIcon(false);
    } else if (m_chooseLog) {
        const std::string path = m_chooseLog();
        if (!path.empty()) PlayLog(path);
    }
}

void CRoamquillPPCView::AddMilestoneHere(bool initial) {
    if (!m_data.track.fix.IsValid()) return;  // the items are disabled then
    if (!initial) {
        AddMilestone(m_data.track, m_data.track.fix);
    } else if (!AddInitialMilestone(m_data.track, m_data.track.fix, [] {
                   return ShowStringMessage(StringId::AreYouSureToResetMilestoneCounter,
                                            platform::MessageIcon::Question) ==
                          platform::MessageAnswer::Yes;
               })) {
        return;
    }
    RefreshVisibleControl();
}

void CRoamquillPPCView::ClearCurrentTrack() {
    if (m_data.track.IsEmpty() && m_data.track.pois.IsEmpty()) return;
    if (ShowStringMessage(StringId::AreYouSureToClearGpsTrackRecord,
                          platform::MessageIcon::Question) == platform::MessageAnswer::Yes) {
        m_data.track.Clear();
        RefreshInfoValues();
        RefreshVisibleControl();
    }
}

void CRoamquillPPCView::ExitCommand() {
    if (!OnExit()) return;
    // The frame closes the application on WM_COMMAND 1.
    platform::WindowMessage message;
    message.id = platform::kMsgCommand;
    message.wParam = static_cast<std::uintptr_t>(CommandId::Ok);
    if (m_frameWindow != platform::kNoWindow)
        platform::PostMessage(m_frameWindow, std::move(message));
}

bool CRoamquillPPCView::PlayLog(const std::string& path, std::optional<float> speed) {
    if (!PlayGpsLog(m_player, path)) return false;
    if (speed) m_player.SetSpeed(*speed);
    m_data.track.startTime = 0;  // the next dated fix starts the trip
    SetPlaybackIcon(true);
    return true;
}

void CRoamquillPPCView::ToggleGpsLogRecording() {
    CCommKeeper& serial = GetCommKeeper();
    if (serial.IsRecording()) {
        StopGpsLogRecording(serial);
    } else if (m_filenameAsker != nullptr) {
        const std::optional<std::u16string> name = m_filenameAsker->AskFilename(
            LoadResourceString(StringId::EnterFileName), DefaultRecordingName());
        if (!name) return;
        StartGpsLogRecording(serial, *name);
    }
    SetRecordingIcon(serial.IsRecording());
}

void CRoamquillPPCView::SaveCurrentTrack() {
    if (m_filenameAsker == nullptr) return;
    const std::optional<std::u16string> name = m_filenameAsker->AskFilename(
        LoadResourceString(StringId::EnterTrackName), DefaultRecordingName());
    if (!name) return;
    // A copy under a name does not save the current track: "my.tk" must still be
    // written at exit and by the auto save, so the modified flags stay as they were.
    const bool modified = m_data.track.IsModified();
    bool saved = false;
    {
        platform::WaitCursor wait;
        saved = SaveTrack("tracks", platform::ToUtf8(*name + u".trk"), m_data.track);
    }
    if (modified) m_data.track.SetModified(true);
    if (!saved) ShowStringMessage(StringId::SaveTrackFailed, platform::MessageIcon::Information);
}

void CRoamquillPPCView::LoadCurrentTrack() {
    if (!m_chooseTrack) return;
    const std::optional<std::string> name = m_chooseTrack(CDlgOpenFile::Bar::DeleteRename);
    if (!name) return;
    bool loaded = false;
    {
        platform::WaitCursor wait;
        loaded = LoadTrack("tracks", *name, m_data.track);
    }
    if (!loaded) {
        m_data.track.Clear();
        ShowStringMessage(StringId::LoadingTrackFailed, platform::MessageIcon::Error,
                          {platform::FromUtf8(*name)});
    } else {
        m_data.track.SetModified(true);
        m_mapCtrl.SetCenter(m_data.track.fix);
    }
    RefreshInfoValues();
    RefreshVisibleControl();
}

void CRoamquillPPCView::LoadTrackAsRoute() {
    if (!m_chooseTrack) return;
    const std::optional<std::string> name = m_chooseTrack(CDlgOpenFile::Bar::OkCancel);
    if (!name) return;
    bool loaded = false;
    {
        platform::WaitCursor wait;
        loaded = LoadRoute("tracks", *name, m_data.route);
    }
    if (!loaded) {
        ClearRoute(m_data.route);
        ShowStringMessage(StringId::LoadingRouteFailed, platform::MessageIcon::Error,
                          {platform::FromUtf8(*name)});
    } else {
        if (const CGpsTrackCoordinate* start = m_data.route.GetTail()) m_mapCtrl.SetCenter(*start);
        SetLastLoadedRoute(platform::FromUtf8(*name));
    }
    m_mapCtrl.Invalidate();
}

bool CRoamquillPPCView::OnExit() {
    if (ShowStringMessage(StringId::AreYouSureToExit, platform::MessageIcon::Question) !=
        platform::MessageAnswer::Yes) {
        return false;
    }
    RunExitSequence();
    return true;
}

void CRoamquillPPCView::RunExitSequence() {
    m_exited = true;
    CCommKeeper& serial = GetCommKeeper();
    if (serial.IsRunning() && serial.Stop(kExitStopTimeoutMs)) serial.ClosePort();
    if (m_player.IsRunning() && m_player.Stop(kExitStopTimeoutMs)) m_player.Close();

    ExitSettings settings;
    settings.mapScale = m_mapCtrl.GetScale();
    settings.mapCenter = m_mapCtrl.GetCenter();
    settings.navigationPoint = m_data.target;
    settings.navigationName = m_data.target.name;
    settings.navigationStatus = m_data.navigating;
    settings.gpsInfoPage = static_cast<std::uint32_t>(m_infoCtrl.GetPage());
    settings.showPoi = m_mapCtrl.GetShowPoi() ? 1 : 0;
    settings.showPositionMessage = m_mapCtrl.GetShowPositionMessage() ? 1 : 0;
    settings.showTrackInfo = m_mapCtrl.GetShowTrackInfo() ? 1 : 0;
    settings.vibrateOnMessage = m_vibrateOnMessage;
    settings.unitMode = m_data.unitMode;
    WriteExitSettings(settings);

    SaveTracksAndTexts();
    if (m_data.localPois.IsModified() &&
        ShowStringMessage(StringId::YourPoiIsNotSaved, platform::MessageIcon::Question) ==
            platform::MessageAnswer::Yes) {
        SaveLocalPois();
    }
}

std::function<void(const CPoi&)> CRoamquillPPCView::FriendPoiSender() {
    return [this](const CPoi& poi) {
        if (m_friendsDialogs != nullptr) SendPoiToFriends(&poi, m_friends, *m_friendsDialogs);
    };
}

bool CRoamquillPPCView::SaveLocalPois() {
    if (m_filenameAsker == nullptr) return false;
    return SaveLocalPoiCollection(m_data.localPois, *m_filenameAsker, false);
}

void CRoamquillPPCView::CenterMap(const CCoordinate& at) {
    m_mapCtrl.SetCenter(at);
}

void CRoamquillPPCView::RefreshVisibleControl() {
    const int view = CurrentView();
    if (view >= 0 && view < 4) Control(view).Invalidate();
}

void CRoamquillPPCView::RefreshInfoValues() {
    if (m_infoItems[0] == nullptr) return;  // before the initial update
    RefreshInfoPanel(m_infoItems, m_data.track, m_data.navigating != 0, m_data.unitMode);
}

void CRoamquillPPCView::SetRecordingIcon(bool shown) {
    m_mapCtrl.m_recordIcon.shown = shown;
    m_mapCtrl.Invalidate();
}

void CRoamquillPPCView::SetPlaybackIcon(bool shown) {
    m_mapCtrl.m_playIcon.shown = shown;
    m_mapCtrl.Invalidate();
}

void CRoamquillPPCView::SendCommand(CommandId command) {
    OnCommand(command);
}

void CRoamquillPPCView::PostCommand(CommandId command) {
    platform::WindowMessage message;
    message.id = platform::kMsgCommand;
    message.wParam = static_cast<std::uintptr_t>(command);
    if (m_window == platform::kNoWindow || !platform::PostMessage(m_window, std::move(message))) {
        OnCommand(command);
    }
}

}  // namespace rq
