// The people position messages go to: a number, a name and the recipient mark each,
// kept in "friends.ini" in the program folder and written back after every change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rq {

inline constexpr const char* kFriendsFileName = "friends.ini";

class CFriendInfo {
public:
    CFriendInfo() = default;
    CFriendInfo(std::u16string number, std::u16string name, bool selected = false)
        : number(std::move(number)), name(std::move(name)), selected(selected) {}

    std::u16string number;  // the SMS destination address, as typed
    std::u16string name;
    bool selected = false;  // chosen as a recipient
};

// Friends in insertion order. Elements are owned by the list and keep their address until
// they are deleted, so a dialog may hold them as item data.
class CFriendList {
public:
    std::size_t GetCount() const { return friends_.size(); }
    bool IsEmpty() const { return friends_.empty(); }
    CFriendInfo* GetAt(std::size_t index) const {
        return index < friends_.size() ? friends_[index].get() : nullptr;
    }

    CFriendInfo* AddFriend(std::u16string number, std::u16string name, bool selected = false);
    // Unlinks and destroys the first friend whose number equals `number` exactly.
    bool DeleteFriend(std::u16string_view number);
    // Unlinks and destroys this very friend.
    bool DeleteFriend(const CFriendInfo* friendInfo);
    void RemoveAll() { friends_.clear(); }
    // The marked friends in list order.
    std::vector<CFriendInfo*> SelectedFriends() const;

    // "friends.ini" in the program folder.
    static std::string DefaultPath();
    // Replaces the list with the file's friends; false, with the list unchanged, when the
    // file cannot be read.
    bool Load(const std::string& path = DefaultPath());
    // Writes the whole list through a temporary file, so a failed save keeps the old file.
    bool Save(const std::string& path = DefaultPath()) const;

    // The file's form: UTF-16LE without a byte-order mark, one "%s;%s;%s" line per friend
    // ended by U+000A. Parsing replaces the list.
    void ParseFile(const std::uint8_t* bytes, std::size_t size);
    std::vector<std::uint8_t> FormatFile() const;

private:
    std::vector<std::unique_ptr<CFriendInfo>> friends_;
};

}  // namespace rq
