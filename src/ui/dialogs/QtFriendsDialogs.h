// The friend commands' dialogs as Qt widgets, modal over `parent`.
#pragma once

#include "view/FriendsDialogs.h"

class QWidget;

namespace rq::ui {

class QtFriendsDialogs : public FriendsDialogs {
public:
    explicit QtFriendsDialogs(QWidget* parent) : parent_(parent) {}
    bool RunFriendList(CDlgFriendList& dlg) override;
    bool RunFriendEdit(CDlgFriendEdit& dlg) override;
    bool RunInputText(CDlgInputText& dlg) override;
    int RunPositionMessages(CDlgPositionMessages& dlg) override;

private:
    QWidget* parent_;
};

}  // namespace rq::ui
