#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "support/ScriptedUserInterface.h"

using namespace rq::platform;
using rq::test::ScriptedUserInterface;

TEST(MessageBox, BoxesGoToTheFrontEndSetElseToStandardErrorDecliningQuestions) {
    SetUserInterface(nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessage(u"Are you sure to exit?", MessageIcon::Question), MessageAnswer::No);
    EXPECT_EQ(ShowMessage(u"\u4e2d\u6587", MessageIcon::Error), MessageAnswer::Ok);
    { WaitCursor busy; }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Roamquill: Are you sure to exit?\nRoamquill: \xe4\xb8\xad\xe6\x96\x87\n");

    struct CursorCounter : ScriptedUserInterface {
        void BeginWaitCursor() override { ++depth; }
        void EndWaitCursor() override { --depth; }
        int depth = 0;
    } ui;
    SetUserInterface(&ui);
    ui.AnswerNext(MessageAnswer::Yes);
    EXPECT_EQ(ShowMessage(u"info", MessageIcon::Information), MessageAnswer::Ok);
    EXPECT_EQ(ShowMessage(u"q1", MessageIcon::Question), MessageAnswer::Yes);
    EXPECT_EQ(ShowMessage(u"q2", MessageIcon::Question), MessageAnswer::No) << "script used up";
    ASSERT_EQ(ui.Messages().size(), 3u);
    EXPECT_EQ(ui.Messages()[1].text, u"q1");
    EXPECT_EQ(ui.Messages()[0].icon, MessageIcon::Information);
    {
        WaitCursor outer, inner;
        EXPECT_EQ(ui.depth, 2);
    }
    EXPECT_EQ(ui.depth, 0);
    SetUserInterface(nullptr);
    EXPECT_NE(&CurrentUserInterface(), &ui);
}
