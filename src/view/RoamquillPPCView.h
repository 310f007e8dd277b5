// The one view of the application: owns the model and the four display controls, shows
// the control of the current view, turns keys into commands, and handles the keepers'
// messages (2024, 2025) and the commands that act on the view. The window around it is
// the front end's: it creates a window per control, tells the view its own window
// handle, and forwards messages and commands.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/CommandBarSwitch.h"
#include "app/DisplayProfile.h"
#include "app/DlgSelectLanguage.h"
#include "controls/CompassControl.h"
#include "controls/GpsInfoListControl.h"
#include "controls/GpsMapControl.h"
#include "controls/InfoPanelItems.h"
#include "controls/SatelliteControl.h"
#include "friends/FriendList.h"
#include "keepers/FileKeeper.h"
#include "keepers/SmsKeeper.h"
#include "platform/Window.h"
#include "resources/CommandIds.h"
#include "resources/StringIds.h"
#include "track/DlgFilename.h"
#include "track/DlgOpenFile.h"
#include "track/RecordingSettings.h"
#include "view/AutoSave.h"
#include "view/CommandTable.h"
#include "view/FriendsDialogs.h"
#include "view/GpsViewData.h"
#include "view/NavigationDialogs.h"
#include "view/PoiDialogs.h"
#include "view/ViewDisplay.h"

namespace rq {

class CRoamquillPPCView : public CViewDisplay {
public:
    // `frame` holds the four command bars; the shown one is the current view.
    explicit CRoamquillPPCView(CommandBarSwitch& frame);
    ~CRoamquillPPCView() override;
    CRoamquillPPCView(const CRoamquillPPCView&) = delete;
    CRoamquillPPCView& operator=(const CRoamquillPPCView&) = delete;

    // Creation: profile values into the controls, the controls' windows (through
    // `createWindow`, in the order map, satellite, compass, info panel; without one the
    // controls' own creation handlers run), backgrounds, recording settings. False when
    // a control could not be created.
    bool OnCreate(const DisplayProfile& profile,
                  const std::function<bool(CGpsControl&)>& createWindow = nullptr);
    // The view's own window: the keepers post to it, and commands it sends itself go
    // there. Set before OnInitialUpdate.
    void SetWindow(platform::WindowHandle window) { m_window = window; }
    // The main frame's window: "Exit" posts WM_COMMAND 1 to it once the exit sequence
    // has run, and the frame then closes.
    void SetFrameWindow(platform::WindowHandle window) { m_frameWindow = window; }
    platform::WindowHandle Window() const { return m_window; }
    // Whether the initial update starts the SMS keeper on the configured bind address
    // (the program does; headless runs leave the datagram port to others).
    void SetStartSmsKeeper(bool start) { m_startSmsKeeper = start; }
    // Restores the state of the previous run and attaches the keepers.
    void OnInitialUpdate();
    void OnSize(int width, int height);

    // Hides all controls, then shows the one of `index` (none outside 0..3).
    void ShowView(int index);
    int CurrentView() const { return m_frame.VisibleCommandBar(); }
    // The frame selects the index, then the view shows it.
    void SelectView(int index);
    // The host shows or hides a control's window.
    void SetShowControl(std::function<void(int index, bool shown)> show) {
        m_showControl = std::move(show);
    }

    // True when the key was used up (the action key); other keys then get default
    // processing.
    bool OnKeyDown(int key);
    // Messages 2024, 2025 and WM_COMMAND; returns 0.
    std::intptr_t OnMessage(platform::WindowMessage& message);
    // Runs the command through the command table; false for a command without a row.
    bool OnCommand(CommandId command);
    static bool HandlesCommand(CommandId command);
    // A menu item's state, applied before its menu opens.
    CommandState StateOf(CommandId command);
    // How "Play GPS Log" asks for a log: a path, or empty when the user cancelled.
    void SetChooseLog(std::function<std::string()> choose) { m_chooseLog = std::move(choose); }
    // How "Save (Local)" asks for a POI file name; none: it cannot ask, and cancels.
    void SetFilenameAsker(FilenameAsker* asker) { m_filenameAsker = asker; }
    // How the track commands choose a file in the "tracks" folder ("*.trk", ".trk")
    // with the given command bar: its name, or none when the user cancelled.
    using ChooseTrackFn = std::function<std::optional<std::string>(CDlgOpenFile::Bar)>;
    void SetChooseTrack(ChooseTrackFn choose) { m_chooseTrack = std::move(choose); }
    // How "Setup" shows the GPS setup dialog, which stores what the user chose.
    void SetRunGpsSetup(std::function<void()> run) { m_runGpsSetup = std::move(run); }
    // How the friend commands show their dialogs; none: those commands do nothing.
    void SetFriendsDialogs(FriendsDialogs* dialogs) { m_friendsDialogs = dialogs; }
    // How the navigation commands show their dialogs; none: those commands do nothing.
    void SetNavigationDialogs(NavigationDialogs* dialogs) { m_navigationDialogs = dialogs; }
    // How the POI commands show their dialogs; none: those commands do nothing.
    void SetPoiDialogs(PoiDialogs* dialogs) { m_poiDialogs = dialogs; }
    // How "Language" asks for a language; none: the command does nothing.
    void SetLanguageChooser(LanguageChooser* chooser) { m_languageChooser = chooser; }
    // The exit sequence's "Save (Local)", as the menu's: asks for a name when the local
    // POIs have none, saves them and remembers the file as "Last Loaded Poi"; false when
    // cancelled or failed.
    bool SaveLocalPois();
    // "Play GPS Log" once a log is chosen, at `speed` when given (not stored) instead of
    // "Log Play Speed"; true when playing.
    bool PlayLog(const std::string& path, std::optional<float> speed = std::nullopt);
    // "Exit": asks string 209; on Yes runs the exit sequence and returns true, and the
    // frame then closes.
    bool OnExit();
    void RunExitSequence();
    // Whether the exit sequence has run: the state is saved, the frame may close.
    bool HasExited() const { return m_exited; }
    // The host calls this every few seconds with the tick count; once a minute it saves
    // the modified tracks and position texts as the exit sequence does.
    bool OnAutoSaveTimer(std::uint32_t now) { return m_autoSave.OnTimer(m_data, now); }

    // CViewDisplay
    void CenterMap(const CCoordinate& at) override;
    void RefreshVisibleControl() override;
    void RefreshInfoValues() override;
    void SetShowPoi(bool show) override { m_mapCtrl.SetShowPoi(show); }
    void SetShowPositionMessage(bool show) override { m_mapCtrl.SetShowPositionMessage(show); }
    void SetShowTrackInfo(bool show) override { m_mapCtrl.SetShowTrackInfo(show); }
    void SetRecordingIcon(bool shown) override;
    void SetPlaybackIcon(bool shown) override;

    CGpsViewData& Data() { return m_data; }
    CGpsMapControl& Map() { return m_mapCtrl; }
    CSatelliteControl& Satellite() { return m_satelliteCtrl; }
    CCompassControl& Compass() { return m_compassCtrl; }
    CGpsInfoListControl& Info() { return m_infoCtrl; }
    CGpsControl& Control(int index) { return *Controls()[static_cast<std::size_t>(index)]; }
    CFileKeeper& Player() { return m_player; }
    CFriendList& Friends() { return m_friends; }
    // "Send To Friend" of the POI manager: the POI to the friends the user chooses, as
    // the Friends menu sends.
    std::function<void(const CPoi&)> FriendPoiSender();
    const CRecordingSettings& RecordingSettings() const { return m_recording; }

private:
    friend std::span<const CommandEntry> CommandTable();

    std::array<CGpsControl*, 4> Controls() {
        return {&m_mapCtrl, &m_satelliteCtrl, &m_compassCtrl, &m_infoCtrl};
    }
    void OnPositionMessage(platform::WindowMessage& message);
    void OnMessageAfterExit(platform::WindowMessage& message);
    void SaveTracksAndTexts();
    void ToggleConnection();
    void TogglePlayback();
    void ToggleGpsLogRecording();
    void AddMilestoneHere(bool initial);
    void ClearCurrentTrack();
    void ExitCommand();
    void SaveCurrentTrack();
    void LoadCurrentTrack();
    void LoadTrackAsRoute();
    void SendCommand(CommandId command);
    void PostCommand(CommandId command);

    CommandBarSwitch& m_frame;
    CAutoSave m_autoSave;
    CGpsViewData m_data;
    CRecordingSettings m_recording;
    CGpsMapControl m_mapCtrl;
    CSatelliteControl m_satelliteCtrl;
    CCompassControl m_compassCtrl;
    CGpsInfoListControl m_infoCtrl;
    CInfoPanelItems m_infoItems{};
    std::uint32_t m_vibrateOnMessage = 1;
    DisplayProfile m_profile;

    CFriendList m_friends;
    CFileKeeper m_player;
    CSmsKeeper m_smsKeeper;
    bool m_startSmsKeeper = false;
    bool m_exited = false;
    FilenameAsker* m_filenameAsker = nullptr;
    LanguageChooser* m_languageChooser = nullptr;
    FriendsDialogs* m_friendsDialogs = nullptr;
    NavigationDialogs* m_navigationDialogs = nullptr;
    PoiDialogs* m_poiDialogs = nullptr;
    platform::WindowHandle m_window = platform::kNoWindow;
    platform::WindowHandle m_frameWindow = platform::kNoWindow;
    std::function<void(int, bool)> m_showControl;
    std::function<std::string()> m_chooseLog;
    ChooseTrackFn m_chooseTrack;
    std::function<void()> m_runGpsSetup;
};

}  // namespace rq
