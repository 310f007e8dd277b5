#include "ui/dialogs/QtFriendsDialogs.h"

#include "ui/dialogs/FriendEditDialog.h"
#include "ui/dialogs/FriendListDialog.h"
#include "ui/dialogs/InputTextDialog.h"
#include "ui/dialogs/PositionMessagesDialog.h"

namespace rq::ui {

bool QtFriendsDialogs::RunFriendList(CDlgFriendList& dlg) {
    FriendListDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtFriendsDialogs::RunFriendEdit(CDlgFriendEdit& dlg) {
    FriendEditDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtFriendsDialogs::RunInputText(CDlgInputText& dlg) {
    InputTextDialog dialog(dlg, parent_);
    return dialog.exec() == QDialog::Accepted;
}

int QtFriendsDialogs::RunPositionMessages(CDlgPositionMessages& dlg) {
    PositionMessagesDialog dialog(dlg, parent_);
    const int result = dialog.exec();
    if (result == QDialog::Accepted) return kDialogOk;
    return result == CDlgPositionMessages::kResultNavigate ? result : kDialogCancel;
}

}  // namespace rq::ui
