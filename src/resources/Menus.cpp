#include "resources/Menus.h"

#include <functional>

namespace rq::resources {

namespace {

using Kind = MenuItem::Kind;

MenuItem Item(const char16_t* text, std::uint16_t command) {
    return {Kind::Command, text, command, {}};
}

MenuItem Popup(const char16_t* text, std::vector<MenuItem> items) {
    return {Kind::Popup, text, 0, std::move(items)};
}

MenuItem Separator() {
    return {Kind::Separator, u"", 0, {}};
}

}  // namespace

const std::vector<MenuItem>& MainMenuPopups() {
    static const std::vector<MenuItem> popups = {
        Popup(
            u"Menu",
            {
                Item(u"Connect", 32773),
                Item(u"Navigate To ...", 32774),
                Popup(u"Log", {Item(u"Play GPS Log", 32775),
                               Popup(u"Play Speed", {Item(u"x 1.0", 32776), Item(u"x 2.0", 32777),
                                                     Item(u"x 4.0", 32778), Item(u"x 8.0", 32779),
                                                     Item(u"x 16.0", 32780), Item(u"x 32.0", 32781),
                                                     Item(u"x 100.0", 32782)}),
                               Item(u"Repeat", 32783), Item(u"Record GPS Log", 32784),
                               Item(u"Auto Record On Connected", 32785)}),
                Popup(u"Poi", {Item(u"Add Poi", 32786), Item(u"Manage Poi", 32787), Separator(),
                               Item(u"New (Local)", 32788), Item(u"Load/Manage (Local)", 32789),
                               Item(u"Save (Local)", 32790), Item(u"Save As (Local)", 32791),
                               Separator(), Item(u"Current Poi File", 32792)}),
                Popup(u"Friends",
                      {Item(u"Send My Position", 32793), Item(u"Send Position Message", 32794),
                       Item(u"Position Message List", 32795), Item(u"Friend Track List", 32796),
                       Item(u"Friends", 32797)}),
                Popup(u"Setup",
                      {Item(u"Language", 32804),
                       Popup(u"GPS", {Item(u"Setup", 32805), Item(u"Sensitivity", 32806)}),
                       Popup(u"Units", {Item(u"Metric", 32807), Item(u"Imperial", 32808),
                                        Item(u"Nautical", 32809)})}),
                Separator(),
                Item(u"Exit", 32772),
            }),
        Popup(u"Views", {Item(u"Map", 32798), Item(u"Satellite", 32799), Item(u"Compass", 32800),
                         Item(u"Info Panel", 32801)}),
        Popup(u"Map",
              {Popup(u"Milestone",
                     {Item(u"Add Milestone", 32812), Item(u"Add Initial Milestone", 32813)}),
               Popup(u"Track", {Item(u"Load/Manage Track", 32814), Item(u"Save Track", 32815),
                                Item(u"Clear Track", 32816)}),
               Popup(u"Route", {Item(u"Load Track as Route", 32817), Item(u"Clear Route", 32818)}),
               Popup(u"Zoom && Scroll",
                     {Item(u"Goto My Position", 32819), Item(u"Center GPS", 32820),
                      Item(u"Goto Last Position", 32821), Separator(), Item(u"Zoom In", 32845),
                      Item(u"Zoom Out", 32823), Separator(), Item(u"Scroll Left", 32824),
                      Item(u"Scroll Right", 32825), Item(u"Scroll Up", 32826),
                      Item(u"Scroll Down", 32827), Item(u"Micro Scroll", 32828)}),
               Popup(u"Options",
                     {Item(u"Show POI", 32829), Item(u"Show Position Message", 32830),
                      Item(u"Show Track Info", 32831), Item(u"Vibrate On Message", 32832)})}),
        Popup(u"Satellite", {Item(u"Show Number", 32833), Item(u"Show Signal", 32834)}),
        Item(u"Compass Actions", 32837),
        Popup(u"GpsInfo", {Item(u"Next Page", 32835), Item(u"Prev Page", 32836)}),
        Popup(u"select.file", {Item(u"Delete", 32842), Item(u"Rename", 32843)}),
        Popup(u"poi manager", {Item(u"Add Category", 32846), Item(u"Edit Category", 32847),
                               Item(u"Delete Category", 32848), Item(u"Select Category", 32849),
                               Separator(), Item(u"Edit Poi", 32850), Item(u"Delete Poi", 32851),
                               Item(u"Go to Poi", 32852), Item(u"Navigate", 32853),
                               Item(u"Send To Friend", 32854), Separator(), Item(u"Close", 2)}),
        Popup(u"friend.list", {Item(u"Add Friend", 32855), Item(u"Edit Friend", 32856),
                               Item(u"Delete Friend", 32857)}),
        Popup(u"position.message", {Item(u"Navigate", 32858), Item(u"Delete", 32859)}),
        Popup(u"friend track list dlg", {Item(u"Navigate", 32860), Item(u"Delete", 32861)}),
    };
    return popups;
}

const std::vector<MenuBarButton>& MenuBarButtons(int view) {
    static const std::vector<MenuBarButton> bars[] = {
        {{302, 0}, {243, 1}, {129, 2}},
        {{302, 0}, {243, 1}, {130, 3}},
        {{302, 0}, {243, 1}},
        {{302, 0}, {243, 1}, {131, 5}},
    };
    static const std::vector<MenuBarButton> none;
    return view >= 0 && view < 4 ? bars[view] : none;
}

const std::vector<std::uint16_t>& ButtonStrip(int view, bool largeButtons) {
    // Map: Zoom In, Zoom Out, Center GPS, Add Milestone, Add Poi. The info panel's two
    // strips list their buttons in opposite orders.
    static const std::vector<std::uint16_t> small[] = {
        {32845, 32823, 32820, 32812, 32786}, {32798}, {32801}, {32836, 32835}};
    static const std::vector<std::uint16_t> large[] = {
        {32845, 32823, 32820, 32812, 32786}, {32798}, {32801}, {32835, 32836}};
    static const std::vector<std::uint16_t> none;
    if (view < 0 || view >= 4) return none;
    return largeButtons ? large[view] : small[view];
}

const char16_t* CommandCaption(std::uint16_t command) {
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
