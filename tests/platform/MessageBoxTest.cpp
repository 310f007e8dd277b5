#include <gtest/gtest.h>

#include "platform/MessageBox.h"

using namespace rq::platform;

namespace {

class CursorCounter : public ScriptedUserInterface {
public:
    void BeginWaitCursor() override { ++depth; }
    void EndWaitCursor() override { --depth; }
    int depth = 0;
};

}  // namespace

TEST(MessageBox, WithoutAFrontEndBoxesGoToStandardErrorAndQuestionsAreDeclined) {
    SetUserInterface(nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessage(u"Are you sure to exit?", MessageIcon::Question), MessageAnswer::No);
    EXPECT_EQ(ShowMessage(u"Can not get version of OS. program will exit.", MessageIcon::Error),
              MessageAnswer::Ok);
    EXPECT_EQ(ShowMessage(u"\u4e2d\u6587", MessageIcon::Information), MessageAnswer::Ok);
    { WaitCursor busy; }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Roamquill: Are you sure to exit?\n"
              "Roamquill: Can not get version of OS. program will exit.\n"
              "Roamquill: \xe4\xb8\xad\xe6\x96\x87\n");
}

TEST(MessageBox, ScriptedAnswersAreUsedByQuestionsOnly) {
    CursorCounter ui;
    SetUserInterface(&ui);
    ui.AnswerNext(MessageAnswer::Yes);
    ui.AnswerNext(MessageAnswer::No);
    ui.AnswerNext(MessageAnswer::Yes);
    EXPECT_EQ(ShowMessage(u"info", MessageIcon::Information), MessageAnswer::Ok);
    EXPECT_EQ(ShowMessage(u"q1", MessageIcon::Question), MessageAnswer::Yes);
    EXPECT_EQ(ShowMessage(u"err", MessageIcon::Error), MessageAnswer::Ok);
    EXPECT_EQ(ShowMessage(u"q2", MessageIcon::Question), MessageAnswer::No);
    EXPECT_EQ(ShowMessage(u"q3", MessageIcon::Question), MessageAnswer::Yes);
    EXPECT_EQ(ShowMessage(u"q4", MessageIcon::Question), MessageAnswer::No) << "script used up";
    ASSERT_EQ(ui.Messages().size(), 6u);
    EXPECT_EQ(ui.Messages()[1].text, u"q1");
    EXPECT_EQ(ui.Messages()[2].icon, MessageIcon::Error);
    ui.ClearMessages();
    EXPECT_TRUE(ui.Messages().empty());
    {
        WaitCursor outer;
        WaitCursor inner;
        EXPECT_EQ(ui.depth, 2);
    }
    EXPECT_EQ(ui.depth, 0);
    EXPECT_EQ(&CurrentUserInterface(), &ui);
    SetUserInterface(nullptr);
    EXPECT_NE(&CurrentUserInterface(), &ui);
}
