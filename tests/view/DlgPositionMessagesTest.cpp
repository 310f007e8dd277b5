#include <gtest/gtest.h>

#include "platform/MessageBox.h"
#include "support/ScriptedUserInterface.h"
#include "view/DlgPositionMessages.h"
#include "view/GpsViewData.h"

namespace rq {
namespace {

using platform::MessageAnswer;

TEST(DlgPositionMessages, NewestFirstDeleteAsksAndNavigateNeedsASelection) {
    test::ScriptedUserInterface ui;
    platform::SetUserInterface(&ui);
    CGpsViewData data;
    CDlgPositionMessages empty(data);
    EXPECT_EQ(empty.Selection(), std::nullopt);
    empty.GoTo();
    EXPECT_EQ(empty.Result(), nullptr);
    EXPECT_FALSE(empty.Navigate());
    EXPECT_FALSE(empty.Delete());
    EXPECT_EQ(data.navigating, 0u);

    for (const char16_t* t : {u"a", u"b", u"c"}) data.positionTexts.AddPositionText(1, 2, t, u"s");
    data.positionTexts.SetModified(false);
    CDlgPositionMessages dlg(data);
    ASSERT_EQ(dlg.Items().size(), 3u);
    EXPECT_EQ(dlg.Items()[0].text, u"c");
    EXPECT_EQ(dlg.Items()[2].text, u"a");
    EXPECT_EQ(dlg.Selection(), 0u);

    dlg.Select(1);
    EXPECT_FALSE(dlg.Delete());  // No
    EXPECT_EQ(ui.Messages().back().text, u"Are you sure to delete this position text?");
    EXPECT_EQ(ui.Messages().back().icon, platform::MessageIcon::Question);
    EXPECT_FALSE(data.positionTexts.IsModified());
    ui.AnswerNext(MessageAnswer::Yes);
    EXPECT_TRUE(dlg.Delete());
    ASSERT_EQ(dlg.Items().size(), 2u);
    EXPECT_EQ(dlg.Items()[1].text, u"a");
    EXPECT_EQ(dlg.Selection(), 0u);
    EXPECT_TRUE(data.positionTexts.IsModified());
    EXPECT_EQ(data.positionTexts.GetCount(), 2u);

    dlg.Select(7);  // out of range: nothing selected
    dlg.GoTo();
    EXPECT_EQ(dlg.Result(), nullptr);
    platform::SetUserInterface(nullptr);
}

}  // namespace
}  // namespace rq
