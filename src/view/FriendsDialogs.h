// How the friend commands show their dialogs: the program with Qt widgets, tests with
// scripted answers. Each call returns when the dialog has closed.
#pragma once

namespace rq {

class CDlgFriendEdit;
class CDlgFriendList;
class CDlgInputText;
class CDlgPositionMessages;

class FriendsDialogs {
public:
    virtual ~FriendsDialogs() = default;
    // True on OK (choose mode), false on Cancel or "Close". The dialog's "Add Friend" and
    // "Edit Friend" come back through RunFriendEdit.
    virtual bool RunFriendList(CDlgFriendList& dlg) = 0;
    virtual bool RunFriendEdit(CDlgFriendEdit& dlg) = 0;  // true on OK
    virtual bool RunInputText(CDlgInputText& dlg) = 0;    // true on OK
    // 1 for "Go to", 2 for Cancel, CDlgPositionMessages::kResultNavigate for "Navigate".
    virtual int RunPositionMessages(CDlgPositionMessages& dlg) = 0;
};

inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;

}  // namespace rq
