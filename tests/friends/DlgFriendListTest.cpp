#include <gtest/gtest.h>

#include "friends/DlgFriendList.h"
#include "platform/MessageBox.h"
#include "support/AppTest.h"

namespace rq {
namespace {

using platform::MessageAnswer;
using platform::MessageIcon;

class DlgFriendListTest : public test::UiAppTest {
protected:
    CDlgFriendList::Saver Saver() {
        return [this](const CFriendList&) {
            ++saves_;
            return saveWorks_;
        };
    }
    std::vector<std::u16string> Texts() const {
        std::vector<std::u16string> out;
        for (const auto& m : ui_.Messages()) out.push_back(m.text);
        return out;
    }

    int saves_ = 0;
    bool saveWorks_ = true;
};

TEST_F(DlgFriendListTest, ChoosingMarksSavesAndCollects) {
    CFriendList list;
    list.AddFriend(u"0123", u"Ann");
    list.AddFriend(u"0456", u"Bob", true);  // kept from the last time
    list.AddFriend(u"0789", u"Cid");
    CDlgFriendList c(list, CDlgFriendList::Mode::Choose, Saver());
    ASSERT_EQ(c.Items().size(), 3u);
    EXPECT_EQ(c.Items()[0].text, u"0123 Ann");
    EXPECT_EQ(c.InitialSelection(), 0);
    EXPECT_FALSE(c.Items()[0].checked);
    EXPECT_TRUE(c.Items()[1].checked);
    EXPECT_EQ(c.Chosen(), (std::vector<CFriendInfo*>{list.GetAt(1)}));

    c.Toggle(2);
    c.Toggle(1);
    EXPECT_EQ(saves_, 2);
    EXPECT_TRUE(list.GetAt(2)->selected);
    EXPECT_FALSE(list.GetAt(1)->selected);
    EXPECT_EQ(c.Chosen(), (std::vector<CFriendInfo*>{list.GetAt(2)}));
    EXPECT_TRUE(c.Confirm());
    c.Toggle(7);  // no such item
    EXPECT_TRUE(ui_.Messages().empty());

    // Every check cleared: "OK" answers and the dialog stays open.
    c.Toggle(2);
    EXPECT_FALSE(c.Confirm());
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"No friend selected!"});
    EXPECT_EQ(ui_.Messages()[0].icon, MessageIcon::Information);

    // A failed save is told, and the mark stays changed in memory.
    saveWorks_ = false;
    ui_.ClearMessages();
    c.Toggle(0);
    EXPECT_TRUE(list.GetAt(0)->selected);
    EXPECT_TRUE(c.Items()[0].checked);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"Error saving friend list"});
}

TEST_F(DlgFriendListTest, EmptyListAndManageMode) {
    CFriendList list;
    CDlgFriendList choose(list, CDlgFriendList::Mode::Choose, Saver());
    EXPECT_EQ(choose.InitialSelection(), -1);
    EXPECT_FALSE(choose.Confirm());
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"No friend selected!"});

    CDlgFriendList manage(list, CDlgFriendList::Mode::Manage, Saver());
    manage.AddFriend(u"Ann", u"0123");
    manage.AddFriend(u"Ann B", u"0123");
    ASSERT_EQ(manage.Items().size(), 2u);
    EXPECT_FALSE(list.GetAt(0)->selected);
    manage.Toggle(0);  // the action key does nothing here
    EXPECT_FALSE(list.GetAt(0)->selected);
    manage.EditFriend(0, u"Anna", u"0999");
    EXPECT_EQ(manage.Items()[0].text, u"0999 Anna");
    EXPECT_EQ(saves_, 3);

    // Deleting asks first; No keeps the friend, Yes removes the very friend confirmed
    // even when another one has the same number.
    manage.EditFriend(0, u"Anna", u"0123");
    ui_.ClearMessages();
    EXPECT_FALSE(manage.DeleteFriend(1));
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"Are you sure to delete '0123 Ann B'?"});
    EXPECT_EQ(ui_.Messages()[0].icon, MessageIcon::Question);
    ui_.AnswerNext(MessageAnswer::Yes);
    EXPECT_TRUE(manage.DeleteFriend(1));
    ASSERT_EQ(list.GetCount(), 1u);
    EXPECT_EQ(list.GetAt(0)->name, u"Anna");
    EXPECT_EQ(manage.Items().size(), 1u);
    EXPECT_FALSE(manage.DeleteFriend(5));
}

}  // namespace
}  // namespace rq
