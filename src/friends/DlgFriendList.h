// What the friend list dialog does, apart from the list view it shows: the items, the
// recipient marks, the chosen friends and the add/edit/delete steps with their messages.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "friends/DlgFriendEdit.h"
#include "friends/FriendList.h"

namespace rq {

class CDlgFriendList {
public:
    enum class Mode { Manage, Choose };
    struct Item {
        CFriendInfo* friendInfo;
        std::u16string text;  // "%s %s": number, then name
        bool checked;         // shown in choose mode only
    };
    using Saver = std::function<bool(const CFriendList&)>;
    // Shows the edit dialog over the given texts; true on OK.
    using Editor = std::function<bool(CDlgFriendEdit&)>;

    // `save` writes the list after every change; by default to "friends.ini".
    CDlgFriendList(CFriendList& list, Mode mode, Saver save = {});

    Mode GetMode() const { return mode_; }
    void SetEditor(Editor editor) { editor_ = std::move(editor); }
    const std::vector<Item>& Items() const { return items_; }
    // The item selected and focused on opening, or -1 for an empty list.
    int InitialSelection() const { return items_.empty() ? -1 : 0; }

    // Tapping an item or the action key in choose mode: flips the mark, saves and
    // rebuilds the chosen friends. Nothing happens in manage mode.
    void Toggle(std::size_t index);
    // "OK" in choose mode: false (after "No friend selected!") keeps the dialog open.
    bool Confirm();
    // The checked friends in item order.
    const std::vector<CFriendInfo*>& Chosen() const { return chosen_; }

    // "Add Friend" and "Edit Friend" of the Menu soft key: the edit dialog, empty or over
    // the friend of item `index`, then AddFriend or EditFriend on OK. Without an editor
    // they do nothing.
    void Add();
    void Edit(std::size_t index);

    void AddFriend(std::u16string name, std::u16string number);
    void EditFriend(std::size_t index, std::u16string name, std::u16string number);
    // Asks first; true when the friend was deleted.
    bool DeleteFriend(std::size_t index);

private:
    void Refill();
    void RebuildChosen();
    void SaveList();

    CFriendList& list_;
    Mode mode_;
    Saver save_;
    Editor editor_;
    std::vector<Item> items_;
    std::vector<CFriendInfo*> chosen_;
};

}  // namespace rq
