// The Friends menu's commands and "Send To Friend", driven with scripted dialogs and
// message boxes; what they send is read back from the datagram port.
#include <gtest/gtest.h>
#include <poll.h>

#include <array>
#include <deque>
#include <fstream>

#include "app/Screen.h"
#include "friends/DlgFriendList.h"
#include "friends/DlgInputText.h"
#include "friends/PositionMessage.h"
#include "friends/SendSms.h"
#include "platform/Registry.h"
#include "platform/Wdp.h"
#include "poi/Poi.h"
#include "support/AppTest.h"
#include "support/FixMaker.h"
#include "view/DlgPositionMessages.h"
#include "view/FriendsCommands.h"
#include "view/RoamquillPPCView.h"

namespace rq {
namespace {

using platform::MessageAnswer;

class BarsOnly : public CommandBarSwitch {
protected:
    void SetBarShown(int index, bool shown) override {
        bars_[static_cast<std::size_t>(index)] = shown;
    }
    bool IsBarShown(int index) const override { return bars_[static_cast<std::size_t>(index)]; }

private:
    std::array<bool, 4> bars_{};
};

// Each dialog does what its script says; an empty script presses Cancel.
class ScriptedDialogs : public FriendsDialogs {
public:
    bool RunFriendList(CDlgFriendList& dlg) override {
        ++friendLists;
        shownFriends = dlg.Items().size();
        if (!onFriendList) return false;
        return onFriendList(dlg);
    }
    bool RunFriendEdit(CDlgFriendEdit& dlg) override {
        if (edits.empty()) return false;
        dlg = edits.front();
        edits.pop_front();
        return true;
    }
    bool RunInputText(CDlgInputText& dlg) override {
        if (!text) return false;
        dlg.text = *text;
        return true;
    }
    int RunPositionMessages(CDlgPositionMessages& dlg) override {
        return onPositionMessages ? onPositionMessages(dlg) : kDialogCancel;
    }

    std::function<bool(CDlgFriendList&)> onFriendList;
    std::deque<CDlgFriendEdit> edits;
    std::optional<std::u16string> text;
    std::function<int(CDlgPositionMessages&)> onPositionMessages;
    int friendLists = 0;
    std::size_t shownFriends = 0;
};

// "OK" as the widget presses it: refused while nobody is chosen.
bool PressOk(CDlgFriendList& dlg) {
    return dlg.Confirm();
}

class FriendsCommandsTest : public test::UiAppTest {
protected:
    static constexpr const char* kPeer = "127.0.0.21";

    void SetUp() override {
        UiAppTest::SetUp();
        savedWdp_ = platform::GetWdpSettings();
        platform::WdpSettings s = savedWdp_;
        s.bindAddress = kPeer;
        platform::SetWdpSettings(s);
        ASSERT_TRUE(platform::WapOpen(platform::kWapLayerWdp, kSmsReceivePort, &rx_, &event_));
        view_ = std::make_unique<CRoamquillPPCView>(frame_);
        ASSERT_TRUE(view_->OnCreate(BuiltInDisplayProfile(kScreenClassSmall)));
        view_->OnSize(240, 268);
        view_->OnInitialUpdate();
    }
    void TearDown() override {
        view_.reset();
        platform::WapClose(rx_);
        platform::SetWdpSettings(savedWdp_);
        UiAppTest::TearDown();
    }
    // The datagrams waiting on the peer's port.
    std::vector<DecodedMessage> Received() {
        std::vector<DecodedMessage> out;
        pollfd p{event_->PollFd(), POLLIN, 0};
        while (poll(&p, 1, 300) == 1) {
            std::size_t size = 0;
            if (!platform::WapGetNextPrimitiveSize(rx_, &size)) break;
            std::vector<std::uint8_t> buffer(size);
            platform::WdpUnitData prim;
            if (!platform::WapRead(rx_, buffer.data(), size, prim)) break;
            if (auto m = DecodeMessage(prim.userData, prim.userDataSize)) out.push_back(*m);
        }
        return out;
    }
    std::vector<std::u16string> Texts() const {
        std::vector<std::u16string> out;
        for (const auto& m : ui_.Messages()) out.push_back(m.text);
        return out;
    }
    // Ann, an unusable number, Cid: all chosen.
    void ThreeFriends() {
        friends_.AddFriend(u"127.0.0.21", u"Ann", true);
        friends_.AddFriend(u"no-such-peer", u"Bob", true);
        friends_.AddFriend(u"127.0.0.21", u"Cid", true);
    }

    BarsOnly frame_;
    std::unique_ptr<CRoamquillPPCView> view_;
    CFriendList friends_;
    ScriptedDialogs dialogs_;
    platform::WdpSettings savedWdp_;
    platform::WapHandle rx_ = nullptr;
    platform::Waitable* event_ = nullptr;
};

TEST_F(FriendsCommandsTest, SendMyPositionChecksChoosesAndGoesOnAfterAFailure) {
    // No fix yet: refused before anything is opened.
    EXPECT_FALSE(CanSendMyPosition(*view_));
    ThreeFriends();
    SendMyPosition(*view_, friends_, dialogs_);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{
                           u"Your position data is invalid, please make sure your device is "
                           u"connected with a GPS receiver."});

    CGpsPosition fix = test::MakeFix(48.5, -11.25, 3.5, 519.5);
    fix.course = 90.25;
    fix.satellitesInView = 12;
    fix.satellitesUsed = 7;
    view_->Data().track.fix = fix;
    EXPECT_TRUE(CanSendMyPosition(*view_));
    CFriendList none;
    ui_.ClearMessages();
    SendMyPosition(*view_, none, dialogs_);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{
                           u"Your friend list is empty, you have to add friends first."});
    EXPECT_EQ(dialogs_.friendLists, 0);

    // Cancel sends nothing.
    SendMyPosition(*view_, friends_, dialogs_);
    EXPECT_EQ(dialogs_.friendLists, 1);
    EXPECT_TRUE(Received().empty());

    ASSERT_TRUE(platform::Registry().SetText(u"HKEY_CURRENT_USER\\ControlPanel\\Owner", u"Owner",
                                             u" Maximilian Mustermann "));
    dialogs_.onFriendList = PressOk;
    ui_.ClearMessages();
    SendMyPosition(*view_, friends_, dialogs_);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{
                           u"Sending position signal to 'no-such-peer Bob' failed."});
    const std::vector<DecodedMessage> got = Received();
    ASSERT_EQ(got.size(), 2u);
    for (const DecodedMessage& m : got) {
        EXPECT_EQ(m.kind, kKindPosition);
        EXPECT_DOUBLE_EQ(m.latitude, 48.5);
        EXPECT_DOUBLE_EQ(m.longitude, -11.25);
        EXPECT_FLOAT_EQ(m.altitude, 519.5f);
        EXPECT_FLOAT_EQ(m.course, 90.25f);
        EXPECT_FLOAT_EQ(m.speedKnots, 3.5f);
        EXPECT_EQ(m.satellitesInView, 12);
        EXPECT_EQ(m.satellitesUsed, 7);
        EXPECT_EQ(m.senderName, u"Maximilian");
    }
}

TEST_F(FriendsCommandsTest, SendPositionMessageSendsTheCleanedTextAtTheMapCentre) {
    view_->Map().SetCenter(CCoordinate(-33.875, 151.25));
    EXPECT_TRUE(CanSendPositionMessage(*view_));

    // An empty friend list still opens the chooser, whose OK then refuses.
    dialogs_.onFriendList = [](CDlgFriendList& dlg) {
        EXPECT_FALSE(dlg.Confirm());
        return false;
    };
    SendPositionMessage(*view_, friends_, dialogs_);
    EXPECT_EQ(dialogs_.friendLists, 1);
    EXPECT_EQ(dialogs_.shownFriends, 0u);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"No friend selected!"});

    ThreeFriends();
    dialogs_.onFriendList = PressOk;
    ui_.ClearMessages();
    SendPositionMessage(*view_, friends_, dialogs_);  // the text is cancelled
    EXPECT_TRUE(Received().empty());

    dialogs_.text = u"  Meet\r\nhere\rat\nnoon, by the fountain next to the old bridge ";
    SendPositionMessage(*view_, friends_, dialogs_);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"Fail to send position message."});
    const std::vector<DecodedMessage> got = Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].kind, kKindPositionText);
    EXPECT_EQ(got[0].text, u"Meet here at noon, by the fountain next ");
    EXPECT_DOUBLE_EQ(got[0].latitude, -33.875);
    EXPECT_DOUBLE_EQ(got[0].longitude, 151.25);
}

TEST_F(FriendsCommandsTest, SendPoiToFriends) {
    ThreeFriends();
    dialogs_.onFriendList = PressOk;
    SendPoiToFriends(nullptr, friends_, dialogs_);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"Select a POI first"});
    EXPECT_EQ(dialogs_.friendLists, 0);

    ui_.ClearMessages();
    const CPoi poi(std::u16string(50, u'x'), CCoordinate(1.5, 2.5), 7);
    SendPoiToFriends(&poi, friends_, dialogs_);
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"Fail to send POI to friends."});
    const std::vector<DecodedMessage> got = Received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].kind, kKindPoi);
    EXPECT_EQ(got[1].poiName, std::u16string(40, u'x'));
    EXPECT_EQ(got[1].poiType, 7u);
    EXPECT_DOUBLE_EQ(got[1].longitude, 2.5);
}

TEST_F(FriendsCommandsTest, ManagingWritesEveryChangeThrough) {
    dialogs_.edits = {CDlgFriendEdit(u"Ann", u"0123"), CDlgFriendEdit(u"", u"0456")};
    dialogs_.onFriendList = [this](CDlgFriendList& dlg) {
        dlg.Add();
        dlg.Add();
        dlg.Add();  // the third edit is cancelled
        dialogs_.edits = {CDlgFriendEdit(u"Bob", u"0789")};
        dlg.Edit(1);
        ui_.AnswerNext(MessageAnswer::Yes);
        dlg.DeleteFriend(0);
        return false;  // "Close"
    };
    ManageFriends(friends_, dialogs_);
    CFriendList reread;
    ASSERT_TRUE(reread.Load());
    ASSERT_EQ(reread.GetCount(), 1u);
    EXPECT_EQ(reread.GetAt(0)->name, u"Bob");
    EXPECT_EQ(reread.GetAt(0)->number, u"0789");
    EXPECT_EQ(Texts(), std::vector<std::u16string>{u"Are you sure to delete '0123 Ann'?"});
}

TEST_F(FriendsCommandsTest, PositionMessageListGoesToOrNavigates) {
    CPositionTextList& texts = view_->Data().positionTexts;
    texts.AddPositionText(10, 20, u"old", u"A");
    texts.AddPositionText(11, 21, u"new", u"B");
    view_->Map().SetShowPositionMessage(false);

    ShowPositionMessageList(*view_, dialogs_);  // Cancel
    EXPECT_FALSE(view_->Map().GetShowPositionMessage());

    dialogs_.onPositionMessages = [](CDlgPositionMessages& dlg) {
        dlg.Select(1);
        dlg.GoTo();
        return kDialogOk;
    };
    ShowPositionMessageList(*view_, dialogs_);
    EXPECT_TRUE(view_->Map().GetShowPositionMessage());
    EXPECT_TRUE(view_->Map().GetCenter().IsSamePosition(CCoordinate(10, 20)));

    dialogs_.onPositionMessages = [](CDlgPositionMessages& dlg) {
        return dlg.Navigate() ? CDlgPositionMessages::kResultNavigate : kDialogCancel;
    };
    ShowPositionMessageList(*view_, dialogs_);
    EXPECT_EQ(view_->Data().navigating, 1u);
    EXPECT_TRUE(view_->Data().target.IsSamePosition(CCoordinate(11, 21)));
    EXPECT_EQ(view_->Data().target.name, u"");
}

}  // namespace
}  // namespace rq
