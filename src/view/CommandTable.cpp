#include "view/CommandTable.h"

#include <algorithm>
#include <vector>

#include "app/Settings.h"
#include "app/StringTable.h"
#include "keepers/CommKeeper.h"
#include "view/FriendsCommands.h"
#include "view/GpsCommands.h"
#include "view/NavigationCommands.h"
#include "view/PoiCommands.h"
#include "view/RoamquillPPCView.h"

namespace rq {

namespace {

using View = CRoamquillPPCView;

constexpr double kScrollStep = 1.0 / 6;

// The position of an item among the consecutive identifiers of its group.
int Offset(CommandId id, CommandId first) {
    return static_cast<int>(id) - static_cast<int>(first);
}

float SpeedFactor(CommandId id) {
    for (const PlaySpeedItem& item : kPlaySpeedItems) {
        if (item.command == id) return item.factor;
    }
    return 0;
}

void Enable(CommandState& state, bool enabled) {
    state.enabled = enabled;
}

void Text(CommandState& state, StringId id) {
    state.text = LoadResourceString(id);
}

}  // namespace

std::span<const CommandEntry> CommandTable() {
    // The handlers and rules reach into the view: this function is its friend, and the
    // lambdas share its access.
    // Groups of consecutive items share one handler and one rule.
    constexpr auto setSpeed = [](View& v, CommandId id) {
        SetPlaySpeed(v.m_player, SpeedFactor(id));
    };
    constexpr auto speedChecked = [](View&, CommandId id, CommandState& s) {
        s.checked = PlaySpeedItemChecked(SpeedFactor(id));
    };
    constexpr auto setUnits = [](View& v, CommandId id) {
        v.m_data.unitMode = static_cast<std::uint32_t>(Offset(id, CommandId::Metric));
        v.RefreshInfoValues();
        v.RefreshVisibleControl();
    };
    constexpr auto unitsChecked = [](View& v, CommandId id, CommandState& s) {
        s.checked = v.m_data.unitMode == static_cast<std::uint32_t>(Offset(id, CommandId::Metric));
    };
    constexpr auto selectView = [](View& v, CommandId id) {
        v.SelectView(Offset(id, CommandId::ViewMap));
    };
    constexpr auto viewChecked = [](View& v, CommandId id, CommandState& s) {
        s.checked = v.CurrentView() == Offset(id, CommandId::ViewMap);
    };
    constexpr auto setSatelliteLabel = [](View& v, CommandId id) {
        v.m_satelliteCtrl.m_showNumber = id == CommandId::ShowNumber ? 1 : 0;
        v.m_satelliteCtrl.m_showSignal = id == CommandId::ShowSignal ? 1 : 0;
        v.m_satelliteCtrl.Invalidate();
    };
    constexpr auto satelliteLabelChecked = [](View& v, CommandId id, CommandState& s) {
        s.checked = (id == CommandId::ShowNumber ? v.m_satelliteCtrl.m_showNumber
                                                 : v.m_satelliteCtrl.m_showSignal) != 0;
    };

    static const std::vector<CommandEntry> table = {
        // Menu
        {CommandId::Connect, [](View& v, CommandId) { v.ToggleConnection(); },
         [](View& v, CommandId, CommandState& s) {
             Enable(s, !v.m_player.IsRunning());
             Text(s, GetCommKeeper().IsRunning() ? StringId::Disconnect : StringId::Connect);
         }},
        {CommandId::NavigateTo,
         [](View& v, CommandId) {
             if (v.m_navigationDialogs != nullptr)
                 NavigateToCommand(v.m_data, v.m_mapCtrl, v, *v.m_navigationDialogs);
         },
         [](View& v, CommandId, CommandState& s) { Text(s, NavigateToText(v.m_data)); }},
        {CommandId::PlayGpsLog, [](View& v, CommandId) { v.TogglePlayback(); },
         [](View& v, CommandId, CommandState& s) {
             Enable(s, !GetCommKeeper().IsRunning());
             Text(s, v.m_player.IsRunning() ? StringId::Stop : StringId::PlayGpsLog);
         }},
        {CommandId::PlaySpeed1, setSpeed, speedChecked},
        {CommandId::PlaySpeed2, setSpeed, speedChecked},
        {CommandId::PlaySpeed4, setSpeed, speedChecked},
        {CommandId::PlaySpeed8, setSpeed, speedChecked},
        {CommandId::PlaySpeed16, setSpeed, speedChecked},
        {CommandId::PlaySpeed32, setSpeed, speedChecked},
        {CommandId::PlaySpeed100, setSpeed, speedChecked},
        {CommandId::Repeat, [](View& v, CommandId) { ToggleRepeat(v.m_player); },
         [](View& v, CommandId, CommandState& s) { s.checked = v.m_player.GetRepeat(); }},
        {CommandId::RecordGpsLog,
         [](View& v, CommandId) {
             if (GetCommKeeper().IsRunning()) v.ToggleGpsLogRecording();
         },
         [](View&, CommandId, CommandState& s) {
             Enable(s, GetCommKeeper().IsRunning());
             Text(s,
                  GetCommKeeper().IsRecording() ? StringId::StopRecording : StringId::RecordGpsLog);
         }},
        {CommandId::AutoRecordOnConnected,
         [](View& v, CommandId) {
             v.m_data.autoRecord = v.m_data.autoRecord ? 0 : 1;
             SetAutoRecord(v.m_data.autoRecord);
         },
         [](View& v, CommandId, CommandState& s) { s.checked = v.m_data.autoRecord != 0; }},
        // Poi: each needs the front end's dialogs.
        {CommandId::AddPoi,
         [](View& v, CommandId) {
             if (v.m_poiDialogs != nullptr) OnAddPoi(v, *v.m_poiDialogs);
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, CanAddPoi(v)); }},
        {CommandId::ManagePoi,
         [](View& v, CommandId) {
             if (v.m_poiDialogs != nullptr) OnManagePoi(v, *v.m_poiDialogs, v.FriendPoiSender());
         },
         nullptr},
        {CommandId::NewLocal,
         [](View& v, CommandId) {
             if (v.m_poiDialogs != nullptr) OnNewLocal(v, *v.m_poiDialogs);
         },
         nullptr},
        {CommandId::LoadManageLocal,
         [](View& v, CommandId) {
             if (v.m_poiDialogs != nullptr) OnLoadManageLocal(v, *v.m_poiDialogs);
         },
         nullptr},
        {CommandId::SaveLocal,
         [](View& v, CommandId) {
             if (v.m_poiDialogs != nullptr) OnSaveLocal(v, *v.m_poiDialogs);
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, IsLocalPoisModified(v)); }},
        {CommandId::SaveAsLocal,
         [](View& v, CommandId) {
             if (v.m_poiDialogs != nullptr) OnSaveAsLocal(v, *v.m_poiDialogs);
         },
         nullptr},
        // A label: always greyed, naming the local collection's file.
        {CommandId::CurrentPoiFile, [](View&, CommandId) {},
         [](View& v, CommandId, CommandState& s) {
             Enable(s, false);
             s.text = CurrentPoiFileText(v);
         }},
        // Friends: each needs the front end's dialogs.
        {CommandId::SendMyPosition,
         [](View& v, CommandId) {
             if (v.m_friendsDialogs != nullptr)
                 SendMyPosition(v.m_data.track.fix, v.m_friends, *v.m_friendsDialogs);
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, v.m_data.track.fix.IsValid()); }},
        {CommandId::SendPositionMessage,
         [](View& v, CommandId) {
             if (v.m_friendsDialogs != nullptr)
                 SendPositionMessage(v.m_mapCtrl.GetCenter(), v.m_friends, *v.m_friendsDialogs);
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, v.m_mapCtrl.GetCenter().IsValid()); }},
        {CommandId::PositionMessageList,
         [](View& v, CommandId) {
             if (v.m_friendsDialogs != nullptr)
                 ShowPositionMessageList(v.m_data, v, *v.m_friendsDialogs);
         },
         nullptr},
        {CommandId::FriendTrackList,
         [](View& v, CommandId) {
             if (v.m_navigationDialogs != nullptr)
                 FriendTrackListCommand(v.m_data, v.m_mapCtrl, v, *v.m_navigationDialogs);
         },
         nullptr},
        {CommandId::Friends,
         [](View& v, CommandId) {
             if (v.m_friendsDialogs != nullptr) ManageFriends(v.m_friends, *v.m_friendsDialogs);
         },
         nullptr},
        {CommandId::Language,
         [](View& v, CommandId) {
             if (v.m_languageChooser != nullptr) RunLanguageCommand(*v.m_languageChooser);
         },
         nullptr},
        {CommandId::GpsSetup,
         [](View& v, CommandId) {
             if (v.m_runGpsSetup) v.m_runGpsSetup();
         },
         nullptr},
        {CommandId::Sensitivity,
         [](View& v, CommandId) {
             if (v.m_navigationDialogs != nullptr)
                 SensitivityCommand(v.m_recording, *v.m_navigationDialogs);
         },
         nullptr},
        {CommandId::Metric, setUnits, unitsChecked},
        {CommandId::Imperial, setUnits, unitsChecked},
        {CommandId::Nautical, setUnits, unitsChecked},
        {CommandId::Exit, [](View& v, CommandId) { v.ExitCommand(); }, nullptr},

        // Views
        {CommandId::ViewMap, selectView, viewChecked},
        {CommandId::ViewSatellite, selectView, viewChecked},
        {CommandId::ViewCompass, selectView, viewChecked},
        {CommandId::ViewInfoPanel, selectView, viewChecked},

        // Map
        {CommandId::AddMilestone, [](View& v, CommandId) { v.AddMilestoneHere(false); },
         [](View& v, CommandId, CommandState& s) { Enable(s, v.m_data.track.fix.IsValid()); }},
        {CommandId::AddInitialMilestone, [](View& v, CommandId) { v.AddMilestoneHere(true); },
         [](View& v, CommandId, CommandState& s) { Enable(s, v.m_data.track.fix.IsValid()); }},
        {CommandId::LoadManageTrack, [](View& v, CommandId) { v.LoadCurrentTrack(); }, nullptr},
        {CommandId::SaveTrack,
         [](View& v, CommandId) {
             if (!v.m_data.track.IsEmpty()) v.SaveCurrentTrack();
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, !v.m_data.track.IsEmpty()); }},
        {CommandId::ClearTrack, [](View& v, CommandId) { v.ClearCurrentTrack(); },
         [](View& v, CommandId, CommandState& s) {
             Enable(s, !v.m_data.track.IsEmpty() || !v.m_data.track.pois.IsEmpty());
         }},
        {CommandId::LoadTrackAsRoute, [](View& v, CommandId) { v.LoadTrackAsRoute(); }, nullptr},
        {CommandId::ClearRoute,
         [](View& v, CommandId) {
             ClearRoute(v.m_data.route);
             v.m_mapCtrl.Invalidate();
             SetLastLoadedRoute(u"");
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, !v.m_data.route.IsEmpty()); }},
        {CommandId::GotoMyPosition,
         [](View& v, CommandId) {
             if (v.m_data.track.fix.IsValid()) v.m_mapCtrl.SetCenter(v.m_data.track.fix);
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, v.m_data.track.fix.IsValid()); }},
        {CommandId::CenterGps,
         [](View& v, CommandId) {
             v.m_data.track.followFix = v.m_data.track.followFix ? 0 : 1;
             if (v.m_data.track.followFix) v.m_mapCtrl.SetCenter(v.m_data.track.fix);
             SetTrackPosition(v.m_data.track.followFix);
         },
         [](View& v, CommandId, CommandState& s) { s.checked = v.m_data.track.followFix != 0; }},
        {CommandId::GotoLastPosition,
         [](View& v, CommandId) {
             if (v.m_data.lastPosition.IsValid()) v.m_mapCtrl.SetCenter(v.m_data.lastPosition);
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, v.m_data.lastPosition.IsValid()); }},
        {CommandId::ZoomIn,
         [](View& v, CommandId) {
             if (v.m_mapCtrl.ZoomIn()) v.m_mapCtrl.Invalidate();
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, v.m_mapCtrl.CanZoomIn()); }},
        {CommandId::ZoomOut,
         [](View& v, CommandId) {
             if (v.m_mapCtrl.ZoomOut()) v.m_mapCtrl.Invalidate();
         },
         [](View& v, CommandId, CommandState& s) { Enable(s, v.m_mapCtrl.CanZoomOut()); }},
        {CommandId::ScrollLeft, [](View& v, CommandId) { v.m_mapCtrl.Scroll(-kScrollStep, 0); },
         nullptr},
        {CommandId::ScrollRight, [](View& v, CommandId) { v.m_mapCtrl.Scroll(kScrollStep, 0); },
         nullptr},
        {CommandId::ScrollUp, [](View& v, CommandId) { v.m_mapCtrl.Scroll(0, kScrollStep); },
         nullptr},
        {CommandId::ScrollDown, [](View& v, CommandId) { v.m_mapCtrl.Scroll(0, -kScrollStep); },
         nullptr},
        {CommandId::MicroScroll,
         [](View& v, CommandId) {
             v.m_mapCtrl.SetMicroScroll(!v.m_mapCtrl.IsMicroScroll());
             v.m_mapCtrl.Invalidate();
         },
         [](View& v, CommandId, CommandState& s) { s.checked = v.m_mapCtrl.IsMicroScroll(); }},
        // The display switches: the setters repaint the map; the exit sequence stores them.
        {CommandId::ShowPoi,
         [](View& v, CommandId) { v.m_mapCtrl.SetShowPoi(!v.m_mapCtrl.GetShowPoi()); },
         [](View& v, CommandId, CommandState& s) { s.checked = v.m_mapCtrl.GetShowPoi(); }},
        {CommandId::ShowPositionMessage,
         [](View& v, CommandId) {
             v.m_mapCtrl.SetShowPositionMessage(!v.m_mapCtrl.GetShowPositionMessage());
         },
         [](View& v, CommandId, CommandState& s) {
             s.checked = v.m_mapCtrl.GetShowPositionMessage();
         }},
        {CommandId::ShowTrackInfo,
         [](View& v, CommandId) { v.m_mapCtrl.SetShowTrackInfo(!v.m_mapCtrl.GetShowTrackInfo()); },
         [](View& v, CommandId, CommandState& s) { s.checked = v.m_mapCtrl.GetShowTrackInfo(); }},
        // Always greyed: the menu never issues it, the check mark shows the stored flag.
        {CommandId::VibrateOnMessage,
         [](View& v, CommandId) { v.m_vibrateOnMessage = v.m_vibrateOnMessage ? 0 : 1; },
         [](View& v, CommandId, CommandState& s) {
             Enable(s, false);
             s.checked = v.m_vibrateOnMessage != 0;
         }},

        // Satellite: one of the two labels at a time.
        {CommandId::ShowNumber, setSatelliteLabel, satelliteLabelChecked},
        {CommandId::ShowSignal, setSatelliteLabel, satelliteLabelChecked},

        // GpsInfo
        {CommandId::NextPage, [](View& v, CommandId) { v.m_infoCtrl.NextPage(); }, nullptr},
        {CommandId::PrevPage, [](View& v, CommandId) { v.m_infoCtrl.PrevPage(); }, nullptr},
    };
    return table;
}

const CommandEntry* FindCommand(CommandId id) {
    const std::span<const CommandEntry> table = CommandTable();
    const auto row = std::find_if(table.begin(), table.end(),
                                  [id](const CommandEntry& e) { return e.id == id; });
    return row != table.end() ? &*row : nullptr;
}

}  // namespace rq
