// The commands of the "Friends" menu and the POI manager's "Send To Friend": the friend
// list, the three kinds of message sent to chosen friends, and the received texts.
#pragma once

#include "friends/FriendList.h"
#include "geo/Coordinate.h"
#include "keepers/GpsPosition.h"
#include "view/FriendsDialogs.h"

namespace rq {

class CGpsViewData;
class CPoi;
class CViewDisplay;

// "Friends": the friend list in manage mode; every change is saved as it is made.
void ManageFriends(CFriendList& friends, FriendsDialogs& dialogs);

// "Send My Position": the current fix to the chosen friends, with message 149 for each
// one it did not reach.
void SendMyPosition(const CGpsPosition& fix, CFriendList& friends, FriendsDialogs& dialogs);

// "Send Position Message": a typed text at the map centre, message 193 per failure.
void SendPositionMessage(const CCoordinate& mapCentre, CFriendList& friends,
                         FriendsDialogs& dialogs);

// "Send To Friend" of the POI manager: `poi` is the selected POI, null when none is
// (message 178); message 199 per failure.
void SendPoiToFriends(const CPoi* poi, CFriendList& friends, FriendsDialogs& dialogs);

// "Position Message List": "Go to" shows the texts on the map and centres it on the chosen
// one; "Navigate" (the target is set by the dialog) repaints.
void ShowPositionMessageList(CGpsViewData& data, CViewDisplay& display, FriendsDialogs& dialogs);

}  // namespace rq
