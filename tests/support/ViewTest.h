// A main view made headless on the small screen, in a fresh program folder with scripted
// message boxes and file names, over a frame that only keeps which command bar is shown.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <memory>

#include "app/Screen.h"
#include "support/AppTest.h"
#include "view/RoamquillPPCView.h"

namespace rq::test {

class BarsOnly : public CommandBarSwitch {
public:
    std::array<bool, 4> bars{};

protected:
    void SetBarShown(int index, bool shown) override { bars[std::size_t(index)] = shown; }
    bool IsBarShown(int index) const override { return bars[std::size_t(index)]; }
};

// Names the user types, in order: "" takes the proposed name, none left is Cancel.
class ScriptedNames : public FilenameAsker {
public:
    std::optional<std::u16string> AskFilename(std::u16string_view prompt,
                                              std::u16string_view proposed) override {
        prompts.emplace_back(prompt);
        proposals.emplace_back(proposed);
        if (names.empty()) return std::nullopt;
        const std::u16string name = names.front();
        names.pop_front();
        return name.empty() ? std::u16string(proposed) : name;
    }
    std::deque<std::u16string> names;
    std::vector<std::u16string> prompts, proposals;
};

class ViewTest : public UiAppTest {
protected:
    void TearDown() override {
        view_.reset();
        UiAppTest::TearDown();
    }
    // A new view; `prepare` runs on it before it is created.
    void Start(const std::function<void(CRoamquillPPCView&)>& prepare = nullptr) {
        view_ = std::make_unique<CRoamquillPPCView>(frame_);
        view_->SetFilenameAsker(&names_);
        if (prepare) prepare(*view_);
        ASSERT_TRUE(view_->OnCreate(BuiltInDisplayProfile(kScreenClassSmall)));
        view_->OnSize(240, 268);
        view_->OnInitialUpdate();
    }

    BarsOnly frame_;
    ScriptedNames names_;
    std::unique_ptr<CRoamquillPPCView> view_;
};

}  // namespace rq::test
