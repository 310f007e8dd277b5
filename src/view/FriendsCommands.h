// The commands of the "Friends" menu and the POI manager's "Send To Friend": the friend
// list, the three kinds of message sent to chosen friends, and the received texts.
#pragma once

#include "friends/FriendList.h"
#include "view/FriendsDialogs.h"

namespace rq {

class CPoi;
class CRoamquillPPCView;

// "Friends": the friend list in manage mode; every change is saved as it is made.
void ManageFriends(CFriendList& friends, FriendsDialogs& dialogs);

// "Send My Position": the current fix to the chosen friends, with message 149 for each
// one it did not reach. Enabled while the fix's coordinate is valid.
void SendMyPosition(CRoamquillPPCView& view, CFriendList& friends, FriendsDialogs& dialogs);
bool CanSendMyPosition(CRoamquillPPCView& view);

// "Send Position Message": a typed text at the map centre, message 193 per failure.
// Enabled while the map centre is valid.
void SendPositionMessage(CRoamquillPPCView& view, CFriendList& friends, FriendsDialogs& dialogs);
bool CanSendPositionMessage(CRoamquillPPCView& view);

// "Send To Friend" of the POI manager: `poi` is the selected POI, null when none is
// (message 178); message 199 per failure.
void SendPoiToFriends(const CPoi* poi, CFriendList& friends, FriendsDialogs& dialogs);

// "Position Message List": "Go to" shows the texts on the map and centres it on the chosen
// one; "Navigate" (the target is set by the dialog) repaints.
void ShowPositionMessageList(CRoamquillPPCView& view, FriendsDialogs& dialogs);

}  // namespace rq
