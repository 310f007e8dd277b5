// The Friends menu's commands and "Send To Friend", driven with scripted dialogs and
// message boxes; what they send is read back from the datagram port.
#include <gtest/gtest.h>
#include <poll.h>

#include <deque>

#include "friends/DlgFriendList.h"
#include "friends/DlgInputText.h"
#include "friends/PositionMessage.h"
#include "friends/SendSms.h"
#include "platform/Registry.h"
#include "platform/Wdp.h"
#include "poi/Poi.h"
#include "support/AppTest.h"
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
    // Listens on port 2001 of `address` (one per test: tests may run side by side) and
    // lists Ann and Cid there, between them Bob with an unusable number, all chosen.
    void Listen(const char* address) {
        savedWdp_ = platform::GetWdpSettings();
        platform::WdpSettings s = savedWdp_;
        s.bindAddress = address;
        platform::SetWdpSettings(s);
        ASSERT_TRUE(platform::WapOpen(platform::kWapLayerWdp, kSmsReceivePort, &rx_, &event_));
        const std::u16string number(address, address + std::char_traits<char>::length(address));
        friends_.AddFriend(number, u"Ann", true);
        friends_.AddFriend(u"no-such-peer", u"Bob", true);
        friends_.AddFriend(number, u"Cid", true);
    }
    void TearDown() override {
        if (rx_ != nullptr) {
            platform::WapClose(rx_);
            platform::SetWdpSettings(savedWdp_);
        }
        UiAppTest::TearDown();
    }
    // The datagrams waiting on the peer's port.
    std::vector<Bytes> Received() {
        std::vector<Bytes> out;
        pollfd p{event_->PollFd(), POLLIN, 0};
        std::size_t size = 0;
        while (poll(&p, 1, 300) == 1 && platform::WapGetNextPrimitiveSize(rx_, &size)) {
            Bytes buffer(size);
            platform::WdpUnitData prim;
            if (!platform::WapRead(rx_, buffer.data(), size, prim)) break;
            out.emplace_back(prim.userData, prim.userData + prim.userDataSize);
        }
        return out;
    }
    Texts Shown() {
        Texts out;
        for (const auto& m : ui_.Messages()) out.push_back(m.text);
        ui_.ClearMessages();
        return out;
    }

    CFriendList friends_;
    ScriptedDialogs dialogs_;
    platform::WdpSettings savedWdp_;
    platform::WapHandle rx_ = nullptr;
    platform::Waitable* event_ = nullptr;
};

TEST_F(FriendsCommandsTest, SendMyPositionChecksChoosesAndGoesOnAfterAFailure) {
    Listen("127.0.0.21");
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
    EXPECT_TRUE(Received().empty());

    ASSERT_TRUE(platform::Registry().SetText(u"HKEY_CURRENT_USER\\ControlPanel\\Owner", u"Owner",
                                             u" Maximilian Mustermann "));
    dialogs_.onFriendList = &CDlgFriendList::Confirm;
    SendMyPosition(fix, friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Sending position signal to 'no-such-peer Bob' failed."});
    const Bytes expected =
        MakePositionMessage({48.5, -11.25, 519.5, 90.25, 3.5, 1.0, 12, 7}, u"Maximilian", 0);
    const std::vector<Bytes> got = Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(SameBody(got[0], expected) && SameBody(got[1], expected));
}

TEST_F(FriendsCommandsTest, SendPositionMessageAndPoi) {
    Listen("127.0.0.22");
    // An empty friend list still opens the chooser, whose OK then refuses.
    CFriendList none;
    dialogs_.onFriendList = &CDlgFriendList::Confirm;
    SendPositionMessage(CCoordinate(-33.875, 151.25), none, dialogs_);
    EXPECT_EQ(dialogs_.listsShown, std::vector<std::size_t>{0});
    EXPECT_EQ(Shown(), Texts{u"No friend selected!"});

    SendPositionMessage(CCoordinate(-33.875, 151.25), friends_, dialogs_);  // text cancelled
    EXPECT_TRUE(Received().empty());
    dialogs_.text = u"  Meet\r\nhere\rat\nnoon, by the fountain next to the old bridge ";
    SendPositionMessage(CCoordinate(-33.875, 151.25), friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Fail to send position message."});
    std::vector<Bytes> got = Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(SameBody(
        got[0],
        MakePositionTextMessage(-33.875, 151.25, u"Meet here at noon, by the fountain next ", 0)));

    SendPoiToFriends(nullptr, friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Select a POI first"});
    const CPoi poi(std::u16string(50, u'x'), CCoordinate(1.5, 2.5), 7);
    SendPoiToFriends(&poi, friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Fail to send POI to friends."});
    got = Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_TRUE(SameBody(got[1], MakePoiMessage(1.5, 2.5, 7, std::u16string(40, u'x'), 0)));
}

TEST_F(FriendsCommandsTest, ManagingWritesEveryChangeThrough) {
    friends_.AddFriend(u"0456", u"Ann");
    friends_.AddFriend(u"no-such-peer", u"Bob");
    friends_.AddFriend(u"0789", u"Cid");
    dialogs_.edits = {CDlgFriendEdit(u"Dan", u"0123")};
    dialogs_.onFriendList = [this](CDlgFriendList& dlg) {
        dlg.Add();
        dlg.Add();  // the second edit is cancelled
        dialogs_.edits = {CDlgFriendEdit(u"Eve", u"0789")};
        dlg.Edit(0);
        ui_.AnswerNext(platform::MessageAnswer::Yes);
        dlg.DeleteFriend(1);
        return false;  // "Close"
    };
    ManageFriends(friends_, dialogs_);
    EXPECT_EQ(Shown(), Texts{u"Are you sure to delete 'no-such-peer Bob'?"});
    CFriendList reread;
    ASSERT_TRUE(reread.Load());
    ASSERT_EQ(reread.GetCount(), 3u);
    EXPECT_EQ(reread.GetAt(0)->name, u"Eve");
    EXPECT_EQ(reread.GetAt(2)->number, u"0123");
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
    EXPECT_EQ(data.navigating, 1u);
    EXPECT_TRUE(data.target.IsSamePosition(CCoordinate(11, 21)));
    EXPECT_EQ(data.target.name, u"");
}

}  // namespace
}  // namespace rq
