#include "platform/MessageBox.h"

#include <atomic>
#include <cstdio>

#include "platform/Text.h"

namespace rq::platform {

namespace {

// Without a front end (the tool, early start-up) boxes become lines on standard error;
// nobody can answer, so a question is declined.
class ConsoleUserInterface : public UserInterface {
public:
    MessageAnswer ShowMessage(std::u16string_view text, MessageIcon icon) override {
        std::string line = "Roamquill: " + ToUtf8(text) + "\n";
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
        return icon == MessageIcon::Question ? MessageAnswer::No : MessageAnswer::Ok;
    }
};

ConsoleUserInterface gConsole;
std::atomic<UserInterface*> gCurrent{nullptr};

}  // namespace

UserInterface& CurrentUserInterface() {
    UserInterface* ui = gCurrent.load();
    return ui != nullptr ? *ui : gConsole;
}

void SetUserInterface(UserInterface* ui) {
    gCurrent.store(ui);
}

MessageAnswer ShowMessage(std::u16string_view text, MessageIcon icon) {
    return CurrentUserInterface().ShowMessage(text, icon);
}

WaitCursor::WaitCursor() {
    CurrentUserInterface().BeginWaitCursor();
}
WaitCursor::~WaitCursor() {
    CurrentUserInterface().EndWaitCursor();
}

}  // namespace rq::platform
