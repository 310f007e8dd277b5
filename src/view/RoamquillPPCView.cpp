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
#include "view/ControlModelOf.h"
#include "view/ControlSetup.h"
#include "view/GpsCommands.h"
#include "view/ModelFiles.h"
#include "view/NewFix.h"
#include "view/ReceivedMessages.h"

namespace rq {

namespace {

constexpr std::uint32_t kExitStopTimeoutMs = 10000;
constexpr double kScrollStep = 1.0 / 6;

bool IsViewCommand(CommandId command) {
    return command >= CommandId::ViewMap && command <= CommandId::ViewInfoPanel;
}

const PlaySpeedItem* SpeedItemOf(CommandId command) {
    for (const PlaySpeedItem& item : kPlaySpeedItems) {
        if (item.command == command) return &item;
    }
    return nullptr;
}

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
    switch (command) {
        case CommandId::Connect:
        case CommandId::PlayGpsLog:
        case CommandId::Repeat:
        case CommandId::ZoomIn:
        case CommandId::ZoomOut:
        case CommandId::ScrollLeft:
        case CommandId::ScrollRight:
        case CommandId::ScrollUp:
        case CommandId::ScrollDown:
        case CommandId::CenterGps:
        case CommandId::GotoMyPosition:
        case CommandId::GotoLastPosition:
        case CommandId::MicroScroll:
        case CommandId::ShowPoi:
        case CommandId::ShowPositionMessage:
        case CommandId::ShowTrackInfo:
        case CommandId::VibrateOnMessage:
        case CommandId::ShowNumber:
        case CommandId::ShowSignal:
        case CommandId::Metric:
        case CommandId::Imperial:
        case CommandId::Nautical:
        case CommandId::AutoRecordOnConnected:
        case CommandId::SaveLocal:
        case CommandId::NextPage:
        case CommandId::PrevPage:
        case CommandId::RecordGpsLog:
        case CommandId::AddMilestone:
        case CommandId::AddInitialMilestone:
        case CommandId::SaveTrack:
        case CommandId::ClearTrack:
        case CommandId::ClearRoute:
        case CommandId::Language:
        case CommandId::GpsSetup:
        case CommandId::LoadManageTrack:
        case CommandId::LoadTrackAsRoute:
            return true;
        default:
            return IsViewCommand(command) || SpeedItemOf(command) != nullptr;
    }
}

CRoamquillPPCView::CommandState CRoamquillPPCView::StateOf(CommandId command) {
    CommandState state;
    if (IsViewCommand(command)) {
        state.checked =
            CurrentView() == static_cast<int>(command) - static_cast<int>(CommandId::ViewMap);
    } else if (const PlaySpeedItem* speed = SpeedItemOf(command)) {
        state.checked = PlaySpeedItemChecked(speed->factor);
    }
    switch (command) {
        case CommandId::Connect:
            state.enabled = !m_player.IsRunning();
            state.text = GetCommKeeper().IsRunning() ? StringId::Disconnect : StringId::Connect;
            break;
        case CommandId::PlayGpsLog:
            state.enabled = !GetCommKeeper().IsRunning();
            state.text = m_player.IsRunning() ? StringId::Stop : StringId::PlayGpsLog;
            break;
        case CommandId::Repeat:
            state.checked = m_player.GetRepeat();
            break;
        case CommandId::RecordGpsLog:
            state.enabled = GetCommKeeper().IsRunning();
            state.text =
                GetCommKeeper().IsRecording() ? StringId::StopRecording : StringId::RecordGpsLog;
            break;
        case CommandId::AddMilestone:
        case CommandId::AddInitialMilestone:
            state.enabled = m_data.track.fix.IsValid();
            break;
        case CommandId::SaveTrack:
            state.enabled = !m_data.track.IsEmpty();
            break;
        case CommandId::ClearTrack:
            state.enabled = !m_data.track.IsEmpty() || !m_data.track.pois.IsEmpty();
            break;
        case CommandId::ClearRoute:
            state.enabled = !m_data.route.IsEmpty();
            break;
        case CommandId::ZoomIn:
            state.enabled = m_mapCtrl.CanZoomIn();
            break;
        case CommandId::ZoomOut:
            state.enabled = m_mapCtrl.CanZoomOut();
            break;
        case CommandId::CenterGps:
            state.checked = m_data.track.followFix != 0;
            break;
        case CommandId::SaveLocal:
            state.enabled = m_data.localPois.IsModified();
            break;
        case CommandId::GotoMyPosition:
            state.enabled = m_data.track.fix.IsValid();
            break;
        case CommandId::GotoLastPosition:
            state.enabled = m_data.lastPosition.IsValid();
            break;
        case CommandId::MicroScroll:
            state.checked = m_mapCtrl.IsMicroScroll();
            break;
        case CommandId::ShowPoi:
            state.checked = m_mapCtrl.GetShowPoi();
            break;
        case CommandId::ShowPositionMessage:
            state.checked = m_mapCtrl.GetShowPositionMessage();
            break;
        case CommandId::ShowTrackInfo:
            state.checked = m_mapCtrl.GetShowTrackInfo();
            break;
        case CommandId::VibrateOnMessage:
            state.enabled = false;
            state.checked = m_vibrateOnMessage != 0;
            break;
        case CommandId::ShowNumber:
            state.checked = m_satelliteCtrl.m_showNumber != 0;
            break;
        case CommandId::ShowSignal:
            state.checked = m_satelliteCtrl.m_showSignal != 0;
            break;
        case CommandId::Metric:
            state.checked = m_data.unitMode == 0;
            break;
        case CommandId::Imperial:
            state.checked = m_data.unitMode == 1;
            break;
        case CommandId::Nautical:
            state.checked = m_data.unitMode == 2;
            break;
        case CommandId::AutoRecordOnConnected:
            state.checked = m_data.autoRecord != 0;
            break;
        default:
            break;
    }
    return state;
}

bool CRoamquillPPCView::OnCommand(CommandId command) {
    if (IsViewCommand(command)) {
        SelectView(static_cast<int>(command) - static_cast<int>(CommandId::ViewMap));
        return true;
    }
    if (const PlaySpeedItem* speed = SpeedItemOf(command)) {
        SetPlaySpeed(m_player, speed->factor);
        return true;
    }
    switch (command) {
        case CommandId::Connect:
            if (m_player.IsRunning()) return true;  // the item is disabled then
            // One item: "Connect" while disconnected, "Disconnect" while connected.
            if (GetCommKeeper().IsRunning()) {
                DisconnectGps(GetCommKeeper());
                SetRecordingIcon(false);
            } else if (ConnectGps(GetCommKeeper(), m_data.autoRecord != 0)) {
                m_data.track.startTime = 0;  // the next dated fix starts the trip
                SetRecordingIcon(GetCommKeeper().IsRecording());
            }
            return true;
        case CommandId::PlayGpsLog:
            if (GetCommKeeper().IsRunning()) return true;  // the item is disabled then
            // One item: "Play GPS Log" while idle, "Stop" while playing.
            if (m_player.IsRunning()) {
                if (StopGpsLog(m_player)) SetPlaybackIcon(false);
            } else if (m_chooseLog) {
                const std::string path = m_chooseLog();
                if (!path.empty()) PlayLog(path);
            }
            return true;
        case CommandId::Repeat:
            ToggleRepeat(m_player);
            return true;
        case CommandId::RecordGpsLog:
            if (GetCommKeeper().IsRunning()) ToggleGpsLogRecording();
            return true;
        case CommandId::AddInitialMilestone:
            if (!m_data.track.fix.IsValid()) return true;  // the item is disabled then
            if (AddInitialMilestone(m_data.track, m_data.track.fix, [] {
                    return ShowStringMessage(StringId::AreYouSureToResetMilestoneCounter,
                                             platform::MessageIcon::Question) ==
                           platform::MessageAnswer::Yes;
                })) {
                RefreshVisibleControl();
            }
            return true;
        case CommandId::AddMilestone:
            if (!m_data.track.fix.IsValid()) return true;
            AddMilestone(m_data.track, m_data.track.fix);
            RefreshVisibleControl();
            return true;
        case CommandId::SaveTrack:
            if (!m_data.track.IsEmpty()) SaveCurrentTrack();
            return true;
        case CommandId::ClearTrack:
            if (m_data.track.IsEmpty() && m_data.track.pois.IsEmpty()) return true;
            if (ShowStringMessage(StringId::AreYouSureToClearGpsTrackRecord,
                                  platform::MessageIcon::Question) ==
                platform::MessageAnswer::Yes) {
                m_data.track.Clear();
                RefreshInfoValues();
                RefreshVisibleControl();
            }
            return true;
        case CommandId::ClearRoute:
            ClearRoute(m_data.route);
            m_mapCtrl.Invalidate();
            SetLastLoadedRoute(u"");
            return true;
        case CommandId::GpsSetup:
            if (m_runGpsSetup) m_runGpsSetup();
            return true;
        case CommandId::LoadManageTrack:
            LoadCurrentTrack();
            return true;
        case CommandId::LoadTrackAsRoute:
            LoadTrackAsRoute();
            return true;
        case CommandId::Language:
            if (m_languageChooser != nullptr) RunLanguageCommand(*m_languageChooser);
            return true;
        case CommandId::ZoomIn:
            if (m_mapCtrl.ZoomIn()) m_mapCtrl.Invalidate();
            return true;
        case CommandId::ZoomOut:
            if (m_mapCtrl.ZoomOut()) m_mapCtrl.Invalidate();
            return true;
        case CommandId::ScrollLeft:
            m_mapCtrl.Scroll(-kScrollStep, 0);
            return true;
        case CommandId::ScrollRight:
            m_mapCtrl.Scroll(kScrollStep, 0);
            return true;
        case CommandId::ScrollUp:
            m_mapCtrl.Scroll(0, kScrollStep);
            return true;
        case CommandId::ScrollDown:
            m_mapCtrl.Scroll(0, -kScrollStep);
            return true;
        case CommandId::CenterGps:
            m_data.track.followFix = m_data.track.followFix ? 0 : 1;
            if (m_data.track.followFix) m_mapCtrl.SetCenter(m_data.track.fix);
            SetTrackPosition(m_data.track.followFix);
            return true;
        case CommandId::NextPage:
            m_infoCtrl.NextPage();
            return true;
        case CommandId::PrevPage:
            m_infoCtrl.PrevPage();
            return true;
        case CommandId::SaveLocal:
            SaveLocalPois();
            return true;
        case CommandId::GotoMyPosition:
            if (m_data.track.fix.IsValid()) m_mapCtrl.SetCenter(m_data.track.fix);
            return true;
        case CommandId::GotoLastPosition:
            if (m_data.lastPosition.IsValid()) m_mapCtrl.SetCenter(m_data.lastPosition);
            return true;
        case CommandId::MicroScroll:
            m_mapCtrl.SetMicroScroll(!m_mapCtrl.IsMicroScroll());
            m_mapCtrl.Invalidate();
            return true;
        case CommandId::ShowPoi:
            m_mapCtrl.SetShowPoi(!m_mapCtrl.GetShowPoi());
            return true;
        case CommandId::ShowPositionMessage:
            m_mapCtrl.SetShowPositionMessage(!m_mapCtrl.GetShowPositionMessage());
            return true;
        case CommandId::ShowTrackInfo:
            m_mapCtrl.SetShowTrackInfo(!m_mapCtrl.GetShowTrackInfo());
            return true;
        case CommandId::VibrateOnMessage:
            m_vibrateOnMessage = m_vibrateOnMessage ? 0 : 1;
            return true;
        case CommandId::ShowNumber:
        case CommandId::ShowSignal:
            m_satelliteCtrl.m_showNumber = command == CommandId::ShowNumber ? 1 : 0;
            m_satelliteCtrl.m_showSignal = command == CommandId::ShowSignal ? 1 : 0;
            m_satelliteCtrl.Invalidate();
            return true;
        case CommandId::Metric:
        case CommandId::Imperial:
        case CommandId::Nautical:
            m_data.unitMode = static_cast<std::uint32_t>(static_cast<int>(command) -
                                                         static_cast<int>(CommandId::Metric));
            RefreshInfoValues();
            RefreshVisibleControl();
            return true;
        case CommandId::AutoRecordOnConnected:
            m_data.autoRecord = m_data.autoRecord ? 0 : 1;
            SetAutoRecord(m_data.autoRecord);
            return true;
        default:
            return false;
    }
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
    bool saved = false;
    {
        platform::WaitCursor wait;
        saved = SaveTrack("tracks", platform::ToUtf8(*name + u".trk"), m_data.track);
    }
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

    {
        platform::WaitCursor wait;
        SaveModifiedTracks(m_data);
    }
    SaveDefaultPositionTexts(m_data.positionTexts);
    if (m_data.localPois.IsModified() &&
        ShowStringMessage(StringId::YourPoiIsNotSaved, platform::MessageIcon::Question) ==
            platform::MessageAnswer::Yes) {
        SaveLocalPois();
    }
}

bool CRoamquillPPCView::SaveLocalPois() {
    CPoiCollection& pois = m_data.localPois;
    if (pois.name.empty()) {
        if (m_filenameAsker == nullptr) return false;
        const std::optional<std::u16string> name = m_filenameAsker->AskFilename(
            LoadResourceString(StringId::EnterPoiFileName), DefaultRecordingName());
        if (!name) return false;
        pois.name = *name + u".poi";
    }
    bool saved = false;
    {
        platform::WaitCursor wait;
        saved = pois.Save();
    }
    if (!saved) ShowStringMessage(StringId::FailedToSavePoiFile, platform::MessageIcon::Error);
    SetLastLoadedPoi(pois.name);
    return saved;
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
