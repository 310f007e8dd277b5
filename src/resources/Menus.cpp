#include "resources/Menus.h"

#include <functional>

namespace rq::resources {

namespace {

using Kind = MenuItem::Kind;

MenuItem Item(const char16_t* text, CommandId command) {
    return {Kind::Command, text, command, {}};
}

MenuItem Popup(const char16_t* text, std::vector<MenuItem> items) {
    return {Kind::Popup, text, {}, std::move(items)};
}

MenuItem Separator() {
    return {Kind::Separator, u"", {}, {}};
}

}  // namespace

const std::vector<MenuItem>& MainMenuPopups() {
    static const std::vector<MenuItem> popups = {
        Popup(u"Menu",
              {
                  Item(u"Connect", CommandId::Connect),
                  Item(u"Navigate To ...", CommandId::NavigateTo),
                  Popup(u"Log",
                        {Item(u"Play GPS Log", CommandId::PlayGpsLog),
                         Popup(u"Play Speed", {Item(u"x 1.0", CommandId::PlaySpeed1),
                                               Item(u"x 2.0", CommandId::PlaySpeed2),
                                               Item(u"x 4.0", CommandId::PlaySpeed4),
                                               Item(u"x 8.0", CommandId::PlaySpeed8),
                                               Item(u"x 16.0", CommandId::PlaySpeed16),
                                               Item(u"x 32.0", CommandId::PlaySpeed32),
                                               Item(u"x 100.0", CommandId::PlaySpeed100)}),
                         Item(u"Repeat", CommandId::Repeat),
                         Item(u"Record GPS Log", CommandId::RecordGpsLog),
                         Item(u"Auto Record On Connected", CommandId::AutoRecordOnConnected)}),
                  Popup(u"Poi", {Item(u"Add Poi", CommandId::AddPoi),
                                 Item(u"Manage Poi", CommandId::ManagePoi), Separator(),
                                 Item(u"New (Local)", CommandId::NewLocal),
                                 Item(u"Load/Manage (Local)", CommandId::LoadManageLocal),
                                 Item(u"Save (Local)", CommandId::SaveLocal),
                                 Item(u"Save As (Local)", CommandId::SaveAsLocal), Separator(),
                                 Item(u"Current Poi File", CommandId::CurrentPoiFile)}),
                  Popup(u"Friends", {Item(u"Send My Position", CommandId::SendMyPosition),
                                     Item(u"Send Position Message", CommandId::SendPositionMessage),
                                     Item(u"Position Message List", CommandId::PositionMessageList),
                                     Item(u"Friend Track List", CommandId::FriendTrackList),
                                     Item(u"Friends", CommandId::Friends)}),
                  Popup(u"Setup", {Item(u"Language", CommandId::Language),
                                   Popup(u"GPS", {Item(u"Setup", CommandId::GpsSetup),
                                                  Item(u"Sensitivity", CommandId::Sensitivity)}),
                                   Popup(u"Units", {Item(u"Metric", CommandId::Metric),
                                                    Item(u"Imperial", CommandId::Imperial),
                                                    Item(u"Nautical", CommandId::Nautical)})}),
                  Separator(),
                  Item(u"Exit", CommandId::Exit),
              }),
        Popup(u"Views",
              {Item(u"Map", CommandId::ViewMap), Item(u"Satellite", CommandId::ViewSatellite),
               Item(u"Compass", CommandId::ViewCompass),
               Item(u"Info Panel", CommandId::ViewInfoPanel)}),
        Popup(
            u"Map",
            {Popup(u"Milestone", {Item(u"Add Milestone", CommandId::AddMilestone),
                                  Item(u"Add Initial Milestone", CommandId::AddInitialMilestone)}),
             Popup(u"Track", {Item(u"Load/Manage Track", CommandId::LoadManageTrack),
                              Item(u"Save Track", CommandId::SaveTrack),
                              Item(u"Clear Track", CommandId::ClearTrack)}),
             Popup(u"Route", {Item(u"Load Track as Route", CommandId::LoadTrackAsRoute),
                              Item(u"Clear Route", CommandId::ClearRoute)}),
             Popup(u"Zoom && Scroll",
                   {Item(u"Goto My Position", CommandId::GotoMyPosition),
                    Item(u"Center GPS", CommandId::CenterGps),
                    Item(u"Goto Last Position", CommandId::GotoLastPosition), Separator(),
                    Item(u"Zoom In", CommandId::ZoomIn), Item(u"Zoom Out", CommandId::ZoomOut),
                    Separator(), Item(u"Scroll Left", CommandId::ScrollLeft),
                    Item(u"Scroll Right", CommandId::ScrollRight),
                    Item(u"Scroll Up", CommandId::ScrollUp),
                    Item(u"Scroll Down", CommandId::ScrollDown),
                    Item(u"Micro Scroll", CommandId::MicroScroll)}),
             Popup(u"Options", {Item(u"Show POI", CommandId::ShowPoi),
                                Item(u"Show Position Message", CommandId::ShowPositionMessage),
                                Item(u"Show Track Info", CommandId::ShowTrackInfo),
                                Item(u"Vibrate On Message", CommandId::VibrateOnMessage)})}),
        Popup(u"Satellite", {Item(u"Show Number", CommandId::ShowNumber),
                             Item(u"Show Signal", CommandId::ShowSignal)}),
        Item(u"Compass Actions", CommandId::CompassActions),
        Popup(u"GpsInfo",
              {Item(u"Next Page", CommandId::NextPage), Item(u"Prev Page", CommandId::PrevPage)}),
        Popup(u"select.file",
              {Item(u"Delete", CommandId::FileDelete), Item(u"Rename", CommandId::FileRename)}),
        Popup(u"poi manager",
              {Item(u"Add Category", CommandId::AddCategory),
               Item(u"Edit Category", CommandId::EditCategory),
               Item(u"Delete Category", CommandId::DeleteCategory),
               Item(u"Select Category", CommandId::SelectCategory), Separator(),
               Item(u"Edit Poi", CommandId::EditPoi), Item(u"Delete Poi", CommandId::DeletePoi),
               Item(u"Go to Poi", CommandId::GoToPoi), Item(u"Navigate", CommandId::PoiNavigate),
               Item(u"Send To Friend", CommandId::SendToFriend), Separator(),
               Item(u"Close", CommandId::Close)}),
        Popup(u"friend.list", {Item(u"Add Friend", CommandId::AddFriend),
                               Item(u"Edit Friend", CommandId::EditFriend),
                               Item(u"Delete Friend", CommandId::DeleteFriend)}),
        Popup(u"position.message", {Item(u"Navigate", CommandId::PositionMessageNavigate),
                                    Item(u"Delete", CommandId::PositionMessageDelete)}),
        Popup(u"friend track list dlg", {Item(u"Navigate", CommandId::FriendTrackNavigate),
                                         Item(u"Delete", CommandId::FriendTrackDelete)}),
    };
    return popups;
}

const std::vector<MenuBarButton>& MenuBarButtons(int view) {
    static const std::vector<MenuBarButton> bars[] = {
        {{StringId::Menu, 0}, {StringId::Views, 1}, {StringId::Map, 2}},
        {{StringId::Menu, 0}, {StringId::Views, 1}, {StringId::Satellite, 3}},
        {{StringId::Menu, 0}, {StringId::Views, 1}},
        {{StringId::Menu, 0}, {StringId::Views, 1}, {StringId::Info, 5}},
    };
    static const std::vector<MenuBarButton> none;
    return view >= 0 && view < 4 ? bars[view] : none;
}

const std::vector<CommandId>& ButtonStrip(int view, bool largeButtons) {
    // Map: Zoom In, Zoom Out, Center GPS, Add Milestone, Add Poi. The info panel's two
    // strips list their buttons in opposite orders.
    static const std::vector<CommandId> small[] = {
        {CommandId::ZoomIn, CommandId::ZoomOut, CommandId::CenterGps, CommandId::AddMilestone,
         CommandId::AddPoi},
        {CommandId::ViewMap},
        {CommandId::ViewInfoPanel},
        {CommandId::PrevPage, CommandId::NextPage}};
    static const std::vector<CommandId> large[] = {
        {CommandId::ZoomIn, CommandId::ZoomOut, CommandId::CenterGps, CommandId::AddMilestone,
         CommandId::AddPoi},
        {CommandId::ViewMap},
        {CommandId::ViewInfoPanel},
        {CommandId::NextPage, CommandId::PrevPage}};
    static const std::vector<CommandId> none;
    if (view < 0 || view >= 4) return none;
    return largeButtons ? large[view] : small[view];
}

const char16_t* CommandCaption(CommandId command) {
    const std::function<const char16_t*(const std::vector<MenuItem>&)> find =
        [&](const std::vector<MenuItem>& items) -> const char16_t* {
        for (const MenuItem& item : items) {
            if (item.kind == Kind::Command && item.command == command) return item.text;
            if (item.kind == Kind::Popup) {
                if (const char16_t* text = find(item.items)) return text;
            }
        }
        return nullptr;
    };
    const char16_t* text = find(MainMenuPopups());
    return text != nullptr ? text : u"";
}

}  // namespace rq::resources
