// Message boxes and the wait cursor, behind an interface: the Qt front end shows real
// boxes, tests script the answers. Every box has the caption "Roamquill".
#pragma once

#include <string>
#include <string_view>

namespace rq::platform {

enum class MessageIcon { Error, Information, Question };
enum class MessageAnswer { Ok, Yes, No };

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // Question boxes offer Yes and No; the others only OK.
    virtual MessageAnswer ShowMessage(std::u16string_view text, MessageIcon icon) = 0;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};

// The current implementation; without one, messages go to standard error and
// questions are answered No.
UserInterface& CurrentUserInterface();
void SetUserInterface(UserInterface* ui);

MessageAnswer ShowMessage(std::u16string_view text, MessageIcon icon);

class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace rq::platform
