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

MessageAnswer ScriptedUserInterface::ShowMessage(std::u16string_view text, MessageIcon icon) {
    shown_.push_back(Shown{std::u16string(text), icon});
    if (icon != MessageIcon::Question) return MessageAnswer::Ok;
    if (answers_.empty()) return MessageAnswer::No;
    MessageAnswer answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
}

void ScriptedUserInterface::AnswerNext(MessageAnswer answer) {
    answers_.push_back(answer);
}

}  // namespace rq::platform
