// The Friends menu's commands and "Send To Friend", driven with scripted dialogs and
// message boxes; what they send is read back from the datagram port.
#include <gtest/gtest.h>

#include <deque>

#include "friends/DlgFriendList.h"
#include "friends/DlgInputText.h"
#include "friends/PositionMessage.h"
#include "platform/Registry.h"
#include "poi/Poi.h"
#include "support/AppTest.h"
#include "support/Datagram.h"
#include "support/FixMaker.h"
#include "support/RecordingDisplay.h"
#include "view/DlgPositionMessages.h"
#include "view/FriendsCommands.h"
#include "view/GpsViewData.h"

namespace rq {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Texts = std::vector<std::u16string>;

// Each dialog does what its script says; an empty script presses Cancel.
class ScriptedDialogs : public FriendsDialogs {
public:
    bool RunFriendList(CDlgFriendList& dlg) override {
        listsShown.push_back(dlg.Items().size());
        return onFriendList && onFriendList(dlg);
    }
    bool RunFriendEdit(CDlgFriendEdit& dlg) override {
        if (edits.empty()) return false;
        dlg = edits.front();
        edits.pop_front();
        return true;
    }
    bool RunInputText(CDlgInputText& dlg) override {
        dlg.text = text.value_or(u"");
        return text.has_value();
    }
    int RunPositionMessages(CDlgPositionMessages& dlg) override {
        return onPositionMessages ? onPositionMessages(dlg) : kDialogCancel;
    }

    std::function<bool(CDlgFriendList&)> onFriendList;
    std::deque<CDlgFriendEdit> edits;
    std::optional<std::u16string> text;
    std::function<int(CDlgPositionMessages&)> onPositionMessages;
    std::vector<std::size_t> listsShown;  // the number of friends each list showed
};

// The message's body (after the header with its time) equals the expected one's.
bool SameBody(const Bytes& got, const Bytes& expected) {
    return got.size() == expected.size() &&
           std::equal(got.begin() + 16, got.end(), expected.begin() + 16);
}

class FriendsCommandsTest : public test::UiAppTest {
protected:
    // Lists Ann and Cid at `peer`, between them Bob with an unusable number, all chosen.
    void AddFriends(const std::u16string& peer) {
        friends_.AddFriend(peer, u"Ann", true);
        friends_.AddFriend(u"no-such-peer", u"Bob", true);
        friends_.AddFriend(peer, u"Cid", true);
    }
    Texts Shown() {
        const Texts out = ui_.Texts();
        ui_.ClearMessages();
        return out;
    }

    CFriendList friends_;
    ScriptedDialogs dialogs_;
};

TEST_F(FriendsCommandsTest, SendMyPositionChecksChoosesAndGoesOnAfterAFailure) {
    test::DatagramListener peer("127.0.0.21");  // one address a test: they may run side by side
    AddFriends(u"127.0.0.21");
    CGpsPosition fix;  // no fix yet: refused before anything is opened
    SendMyPosition(fix, friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Your position data is invalid, please make sure your device is "
                             u"connected with a GPS receiver."});
    fix = test::MakeFix(48.5, -11.25, 3.5, 519.5);
    fix.course = 90.25;
    fix.satellitesInView = 12;
    fix.satellitesUsed = 7;
    CFriendList none;
    SendMyPosition(fix, none, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Your friend list is empty, you have to add friends first."});
    SendMyPosition(fix, friends_, dialogs_);  // Cancel sends nothing
    EXPECT_EQ(dialogs_.listsShown, std::vector<std::size_t>{3});
    EXPECT_TRUE(peer.Received().empty());

    ASSERT_TRUE(platform::Registry().SetText(u"HKEY_CURRENT_USER\\ControlPanel\\Owner", u"Owner",
                                             u" Maximilian Mustermann "));
    dialogs_.onFriendList = &CDlgFriendList::Confirm;
    SendMyPosition(fix, friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Sending position signal to 'no-such-peer Bob' failed."});
    const Bytes expected =
        MakePositionMessage({48.5, -11.25, 519.5, 90.25, 3.5, 1.0, 12, 7}, u"Maximilian", 0);
    const std::vector<Bytes> got = peer.Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(SameBody(got[0], expected) && SameBody(got[1], expected));
}

TEST_F(FriendsCommandsTest, SendPositionMessageAndPoi) {
    test::DatagramListener peer("127.0.0.22");
    AddFriends(u"127.0.0.22");
    // An empty friend list still opens the chooser, whose OK then refuses.
    CFriendList none;
    dialogs_.onFriendList = &CDlgFriendList::Confirm;
    SendPositionMessage(CCoordinate(-33.875, 151.25), none, dialogs_);
    EXPECT_EQ(dialogs_.listsShown, std::vector<std::size_t>{0});
    EXPECT_EQ(Shown(), Texts{u"No friend selected!"});

    SendPositionMessage(CCoordinate(-33.875, 151.25), friends_, dialogs_);  // text cancelled
    EXPECT_TRUE(peer.Received().empty());
    dialogs_.text = u"  Meet\r\nhere\rat\nnoon, by the fountain next to the old bridge ";
    SendPositionMessage(CCoordinate(-33.875, 151.25), friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Fail to send position message."});
    std::vector<Bytes> got = peer.Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(SameBody(
        got[0],
        MakePositionTextMessage(-33.875, 151.25, u"Meet here at noon, by the fountain next ", 0)));

    SendPoiToFriends(nullptr, friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Select a POI first"});
    const CPoi poi(std::u16string(50, u'x'), CCoordinate(1.5, 2.5), 7);
    SendPoiToFriends(&poi, friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Fail to send POI to friends."});
    got = peer.Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(SameBody(got[1], MakePoiMessage(1.5, 2.5, 7, std::u16string(40, u'x'), 0)));
}

// The manager edits through the scripted editor and writes to "friends.ini"; editing and
// deleting share the list dialog's own save.
TEST_F(FriendsCommandsTest, ManagingWritesEveryChangeThrough) {
    friends_.AddFriend(u"0456", u"Ann");
    dialogs_.edits = {CDlgFriendEdit(u"Dan", u"0123")};
    dialogs_.onFriendList = [](CDlgFriendList& dlg) {
        dlg.Add();
        dlg.Add();     // the second edit is cancelled
        return false;  // "Close"
    };
    ManageFriends(friends_, dialogs_);
    CFriendList reread;
    ASSERT_TRUE(reread.Load());
    ASSERT_EQ(reread.GetCount(), 2u);
    EXPECT_EQ(std::tuple(reread.GetAt(1)->name, reread.GetAt(1)->number),
              std::tuple(u"Dan", u"0123"));
}

TEST_F(FriendsCommandsTest, PositionMessageListGoesToOrNavigates) {
    CGpsViewData data;
    test::RecordingDisplay display;
    data.positionTexts.AddPositionText(10, 20, u"old", u"A");
    data.positionTexts.AddPositionText(11, 21, u"new", u"B");
    ShowPositionMessageList(data, display, dialogs_);  // Cancel
    dialogs_.onPositionMessages = [](CDlgPositionMessages& dlg) {
        dlg.Select(1);
        dlg.GoTo();
        return kDialogOk;
    };
    ShowPositionMessageList(data, display, dialogs_);
    dialogs_.onPositionMessages = [](CDlgPositionMessages& dlg) {
        return dlg.Navigate() ? CDlgPositionMessages::kResultNavigate : kDialogCancel;
    };
    ShowPositionMessageList(data, display, dialogs_);
    EXPECT_EQ(display.calls,
              (std::vector<std::string>{"texts on", "centre 10.000000,20.000000", "refresh"}));
    EXPECT_TRUE(data.navigating == 1 && data.target.name.empty());
    EXPECT_TRUE(data.target.IsSamePosition(CCoordinate(11, 21)));
}

}  // namespace
}  // namespace rq
