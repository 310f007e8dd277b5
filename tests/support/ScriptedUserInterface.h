// Message boxes for tests: records every box and answers questions from a script (then
// No).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"

namespace rq::test {

class ScriptedUserInterface : public platform::UserInterface {
public:
    struct Shown {
        std::u16string text;
        platform::MessageIcon icon;
    };
    platform::MessageAnswer ShowMessage(std::u16string_view text,
                                        platform::MessageIcon icon) override {
        shown_.push_back(Shown{std::u16string(text), icon});
        if (icon != platform::MessageIcon::Question) return platform::MessageAnswer::Ok;
        if (answers_.empty()) return platform::MessageAnswer::No;
        const platform::MessageAnswer answer = answers_.front();
        answers_.erase(answers_.begin());
        return answer;
    }
    void AnswerNext(platform::MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<Shown>& Messages() const { return shown_; }
    // The texts shown, in order; the last one ("" when none was shown).
    std::vector<std::u16string> Texts() const {
        std::vector<std::u16string> texts;
        for (const Shown& s : shown_) texts.push_back(s.text);
        return texts;
    }
    std::u16string LastText() const { return shown_.empty() ? u"" : shown_.back().text; }
    void ClearMessages() { shown_.clear(); }

private:
    std::vector<Shown> shown_;
    std::vector<platform::MessageAnswer> answers_;
};

}  // namespace rq::test
