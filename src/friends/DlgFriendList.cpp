#include "friends/DlgFriendList.h"

#include "app/StringTable.h"
#include "platform/Text.h"

namespace rq {

using platform::MessageAnswer;
using platform::MessageIcon;

CDlgFriendList::CDlgFriendList(CFriendList& list, Mode mode, Saver save)
    : list_(list), mode_(mode), save_(std::move(save)) {
    if (!save_) save_ = [](const CFriendList& l) { return l.Save(); };
    Refill();
}

void CDlgFriendList::Refill() {
    items_.clear();
    for (std::size_t i = 0; i < list_.GetCount(); ++i) {
        CFriendInfo* f = list_.GetAt(i);
        items_.push_back({f, platform::FormatText(u"%s %s", {f->number, f->name}), f->selected});
    }
    // The marks kept from the last time pre-set the checks, so they count as chosen
    // without being tapped again.
    RebuildChosen();
}

void CDlgFriendList::RebuildChosen() {
    chosen_.clear();
    for (const Item& item : items_)
        if (item.checked) chosen_.push_back(item.friendInfo);
}

void CDlgFriendList::SaveList() {
    if (!save_(list_)) ShowStringMessage(StringId::ErrorSavingFriendList, MessageIcon::Information);
}

void CDlgFriendList::Toggle(std::size_t index) {
    if (mode_ != Mode::Choose || index >= items_.size()) return;
    Item& item = items_[index];
    item.friendInfo->selected = !item.friendInfo->selected;
    SaveList();
    item.checked = item.friendInfo->selected;
    RebuildChosen();
}

bool CDlgFriendList::Confirm() {
    if (mode_ == Mode::Choose && chosen_.empty()) {
        ShowStringMessage(StringId::NoFriendSelected, MessageIcon::Information);
        return false;
    }
    return true;
}

void CDlgFriendList::Add() {
    CDlgFriendEdit edit;
    if (editor_ && editor_(edit)) AddFriend(std::move(edit.name), std::move(edit.number));
}

void CDlgFriendList::Edit(std::size_t index) {
    if (index >= items_.size()) return;
    const CFriendInfo* f = items_[index].friendInfo;
    CDlgFriendEdit edit(f->name, f->number);
    if (editor_ && editor_(edit)) EditFriend(index, std::move(edit.name), std::move(edit.number));
}

void CDlgFriendList::AddFriend(std::u16string name, std::u16string number) {
    list_.AddFriend(std::move(number), std::move(name), false);
    Refill();
    SaveList();
}

void CDlgFriendList::EditFriend(std::size_t index, std::u16string name, std::u16string number) {
    if (index >= items_.size()) return;
    items_[index].friendInfo->name = std::move(name);
    items_[index].friendInfo->number = std::move(number);
    SaveList();
    Refill();
}

bool CDlgFriendList::DeleteFriend(std::size_t index) {
    if (index >= items_.size()) return false;
    CFriendInfo* f = items_[index].friendInfo;
    if (ShowStringMessage(StringId::AreYouSureToDeleteFriend, MessageIcon::Question,
                          {f->number, f->name}) != MessageAnswer::Yes)
        return false;
    // The confirmed friend itself goes, even when another one shares its number.
    list_.DeleteFriend(f);
    SaveList();
    Refill();
    return true;
}

}  // namespace rq
