// Command identifiers of the menus, the menu bars, the button strips and the dialogs'
// soft keys, named after the item's English text. Items of the same text in different
// menus carry their menu's name in front (FileDelete, PositionMessageDelete).
#pragma once

#include <cstdint>

namespace rq {

enum class CommandId : std::uint16_t {
    // The frame and dialog answers: the main frame closes on Ok; "Close" of the POI
    // manager's menu cancels its dialog.
    Ok = 1,
    Close = 2,
    // "OK" of the friend list in choose mode.
    FriendListOk = 118,

    // Menu
    Exit = 32772,
    Connect = 32773,
    NavigateTo = 32774,
    PlayGpsLog = 32775,
    PlaySpeed1 = 32776,
    PlaySpeed2 = 32777,
    PlaySpeed4 = 32778,
    PlaySpeed8 = 32779,
    PlaySpeed16 = 32780,
    PlaySpeed32 = 32781,
    PlaySpeed100 = 32782,
    Repeat = 32783,
    RecordGpsLog = 32784,
    AutoRecordOnConnected = 32785,
    AddPoi = 32786,
    ManagePoi = 32787,
    NewLocal = 32788,
    LoadManageLocal = 32789,
    SaveLocal = 32790,
    SaveAsLocal = 32791,
    CurrentPoiFile = 32792,
    SendMyPosition = 32793,
    SendPositionMessage = 32794,
    PositionMessageList = 32795,
    FriendTrackList = 32796,
    Friends = 32797,
    Language = 32804,
    GpsSetup = 32805,
    Sensitivity = 32806,
    Metric = 32807,
    Imperial = 32808,
    Nautical = 32809,

    // Views
    ViewMap = 32798,
    ViewSatellite = 32799,
    ViewCompass = 32800,
    ViewInfoPanel = 32801,

    // Map
    AddMilestone = 32812,
    AddInitialMilestone = 32813,
    LoadManageTrack = 32814,
    SaveTrack = 32815,
    ClearTrack = 32816,
    LoadTrackAsRoute = 32817,
    ClearRoute = 32818,
    GotoMyPosition = 32819,
    CenterGps = 32820,
    GotoLastPosition = 32821,
    ZoomIn = 32845,
    ZoomOut = 32823,
    ScrollLeft = 32824,
    ScrollRight = 32825,
    ScrollUp = 32826,
    ScrollDown = 32827,
    MicroScroll = 32828,
    ShowPoi = 32829,
    ShowPositionMessage = 32830,
    ShowTrackInfo = 32831,
    VibrateOnMessage = 32832,

    // Satellite
    ShowNumber = 32833,
    ShowSignal = 32834,

    // A plain item that no menu bar shows and no handler serves.
    CompassActions = 32837,

    // GpsInfo
    NextPage = 32835,
    PrevPage = 32836,

    // The dialogs' "Menu" soft keys: file chooser, POI manager, friend list, position
    // messages, friend track list.
    FileDelete = 32842,
    FileRename = 32843,
    AddCategory = 32846,
    EditCategory = 32847,
    DeleteCategory = 32848,
    SelectCategory = 32849,
    EditPoi = 32850,
    DeletePoi = 32851,
    GoToPoi = 32852,
    PoiNavigate = 32853,
    SendToFriend = 32854,
    AddFriend = 32855,
    EditFriend = 32856,
    DeleteFriend = 32857,
    PositionMessageNavigate = 32858,
    PositionMessageDelete = 32859,
    FriendTrackNavigate = 32860,
    FriendTrackDelete = 32861,
};

// The main menu resource and the menu bars of the four views.
enum class MenuId : std::uint16_t {
    MainMenu = 128,
    MapBar = 102,
    SatelliteBar = 103,
    CompassBar = 112,
    InfoPanelBar = 113,
};

}  // namespace rq
