// The "Edit Friend" dialog: a name and a mobile number exchanged with its caller, taken
// as typed (either may be empty).
#pragma once

#include <string>

namespace rq {

class CDlgFriendEdit {
public:
    CDlgFriendEdit() = default;
    CDlgFriendEdit(std::u16string name, std::u16string number)
        : name(std::move(name)), number(std::move(number)) {}

    std::u16string name;
    std::u16string number;
};

}  // namespace rq
