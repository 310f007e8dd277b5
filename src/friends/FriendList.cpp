#include "friends/FriendList.h"

#include <optional>

#include "platform/Text.h"

namespace rq {

using platform::Trim;

CFriendInfo* CFriendList::AddFriend(std::u16string number, std::u16string name, bool selected) {
    friends_.push_back(std::make_unique<CFriendInfo>(std::move(number), std::move(name), selected));
    return friends_.back().get();
}

bool CFriendList::DeleteFriend(std::u16string_view number) {
    for (auto it = friends_.begin(); it != friends_.end(); ++it) {
        if ((*it)->number == number) {
            friends_.erase(it);
            return true;
        }
    }
    return false;
}

bool CFriendList::DeleteFriend(const CFriendInfo* friendInfo) {
    for (auto it = friends_.begin(); it != friends_.end(); ++it) {
        if (it->get() == friendInfo) {
            friends_.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<CFriendInfo*> CFriendList::SelectedFriends() const {
    std::vector<CFriendInfo*> out;
    for (const auto& f : friends_)
        if (f->selected) out.push_back(f.get());
    return out;
}

namespace {
// Splits the next field off `rest`: none when nothing but white space is left.
std::optional<std::u16string> NextField(std::u16string& rest) {
    rest = Trim(rest);
    if (rest.empty()) return std::nullopt;
    const std::size_t semicolon = rest.find(u';');
    std::u16string field;
    if (semicolon == std::u16string::npos) {
        field = rest;
        rest.clear();
    } else {
        field = rest.substr(0, semicolon);
        rest.erase(0, semicolon + 1);
    }
    return Trim(field);
}

void ParseLine(CFriendList& list, std::u16string line) {
    auto number = NextField(line);
    auto name = NextField(line);
    auto mark = NextField(line);
    if (!number || !name || !mark) return;
    list.AddFriend(std::move(*number), std::move(*name), *mark == u"checked");
}
}  // namespace

void CFriendList::ParseFile(const std::uint8_t* bytes, std::size_t size) {
    RemoveAll();
    std::u16string line;
    // A trailing odd byte is not a code unit and is ignored.
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const char16_t c = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
        if (c == u'\n') {
            ParseLine(*this, std::move(line));
            line.clear();
        } else if (c != u'\r') {
            line.push_back(c);
        }
    }
    // The last line needs no line end; an empty one ends the file.
    if (!line.empty()) ParseLine(*this, std::move(line));
}

std::vector<std::uint8_t> CFriendList::FormatFile() const {
    std::vector<std::uint8_t> out;
    auto put = [&out](std::u16string_view text) {
        for (char16_t c : text) {
            out.push_back(static_cast<std::uint8_t>(c));
            out.push_back(static_cast<std::uint8_t>(c >> 8));
        }
    };
    for (const auto& f : friends_) {
        put(platform::FormatText(u"%s;%s;%s",
                                 {f->number, f->name, f->selected ? u"checked" : u"unchecked"}));
        put(u"\n");
    }
    return out;
}

}  // namespace rq
