// The "Friend List" dialog in its two modes: managing the friends ("Close", and "Menu"
// with Add/Edit/Delete Friend) and choosing recipients by their check boxes ("OK",
// "Cancel"). Its rules are CDlgFriendList's; this only shows them.
#pragma once

#include <QDialog>

#include "friends/DlgFriendList.h"
#include "resources/CommandIds.h"

class QListWidget;

namespace rq::ui {

class FriendListDialog : public QDialog {
    Q_OBJECT

public:
    FriendListDialog(CDlgFriendList& logic, QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    // "OK" in choose mode: stays open while nobody is chosen.
    void accept() override;
    // A tap on an item or the action key: flips the check in choose mode.
    void Toggle(int row);
    // The "Menu" soft key's commands.
    void RunCommand(CommandId command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowItems(int current);

    CDlgFriendList& logic_;
    QListWidget* list_;
};

}  // namespace rq::ui
