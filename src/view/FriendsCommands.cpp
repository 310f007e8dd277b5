#include "view/FriendsCommands.h"

#include "app/StringTable.h"
#include "friends/DlgFriendList.h"
#include "friends/DlgInputText.h"
#include "friends/PositionMessage.h"
#include "friends/SendSms.h"
#include "platform/Owner.h"
#include "poi/Poi.h"
#include "view/DlgPositionMessages.h"
#include "view/GpsViewData.h"
#include "view/ViewDisplay.h"

namespace rq {

using platform::MessageIcon;

namespace {

// The friend list in choose mode; the chosen friends, none when the user cancelled.
std::optional<std::vector<CFriendInfo*>> ChooseFriends(CFriendList& friends,
                                                       FriendsDialogs& dialogs) {
    CDlgFriendList dlg(friends, CDlgFriendList::Mode::Choose);
    if (!dialogs.RunFriendList(dlg)) return std::nullopt;
    return dlg.Chosen();
}

}  // namespace

void ManageFriends(CFriendList& friends, FriendsDialogs& dialogs) {
    CDlgFriendList dlg(friends, CDlgFriendList::Mode::Manage);
    dlg.SetEditor([&dialogs](CDlgFriendEdit& edit) { return dialogs.RunFriendEdit(edit); });
    dialogs.RunFriendList(dlg);
}

void SendMyPosition(const CGpsPosition& fix, CFriendList& friends, FriendsDialogs& dialogs) {
    if (!fix.IsValid()) {
        ShowStringMessage(StringId::YourPositionDataIsInvalid, MessageIcon::Information);
        return;
    }
    if (friends.IsEmpty()) {
        ShowStringMessage(StringId::YourFriendListIsEmpty, MessageIcon::Information);
        return;
    }
    const auto chosen = ChooseFriends(friends, dialogs);
    if (!chosen) return;
    PositionReport report;
    report.latitude = fix.m_lat.value;
    report.longitude = fix.m_lon.value;
    report.altitude = fix.altitude;
    report.course = fix.course;
    report.speedKnots = fix.speed;
    report.hdop = fix.hdop;
    report.satellitesInView = fix.satellitesInView;
    report.satellitesUsed = fix.satellitesUsed;
    SendToFriends(*chosen,
                  MakePositionMessage(report, platform::GetOwnerName(), platform::NowUtc()),
                  StringId::SendingPositionSignalFailed);
}

void SendPositionMessage(const CCoordinate& centre, CFriendList& friends, FriendsDialogs& dialogs) {
    // The map centre, not the own fix: the text tells where to look on the map.
    if (!centre.IsValid()) return;
    const auto chosen = ChooseFriends(friends, dialogs);
    if (!chosen) return;
    CDlgInputText input;
    if (!dialogs.RunInputText(input)) return;
    SendToFriends(*chosen,
                  MakePositionTextMessage(centre.m_lat.value, centre.m_lon.value,
                                          CleanMessageText(input.text), platform::NowUtc()),
                  StringId::FailToSendPositionMessage);
}

void SendPoiToFriends(const CPoi* poi, CFriendList& friends, FriendsDialogs& dialogs) {
    if (poi == nullptr) {
        ShowStringMessage(StringId::SelectAPoiFirst, MessageIcon::Information);
        return;
    }
    const auto chosen = ChooseFriends(friends, dialogs);
    if (!chosen) return;
    SendToFriends(*chosen,
                  MakePoiMessage(poi->m_lat.value, poi->m_lon.value, poi->type, poi->name,
                                 platform::NowUtc()),
                  StringId::FailToSendPoiToFriends);
}

void ShowPositionMessageList(CGpsViewData& data, CViewDisplay& display, FriendsDialogs& dialogs) {
    CDlgPositionMessages dlg(data);
    const int result = dialogs.RunPositionMessages(dlg);
    const CPositionText* chosen = dlg.Result();
    if (chosen == nullptr) return;
    if (result == kDialogOk) {
        display.SetShowPositionMessage(true);
        display.CenterMap(*chosen);
    } else if (result == CDlgPositionMessages::kResultNavigate) {
        display.RefreshVisibleControl();
    }
}

}  // namespace rq
