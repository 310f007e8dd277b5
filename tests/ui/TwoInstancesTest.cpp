// Two program instances on one machine, bound to 127.0.0.2 and 127.0.0.3 and each in the
// other's friend list, exchange a position, a text and a POI from the menus. This test
// is instance A; instance B is this test program started again on the PeerB case, with
// RQ_PEER_FOLDER naming its data folder, so each has its own settings and folders.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "app/DisplayProfile.h"
#include "app/Screen.h"
#include "friends/DlgFriendList.h"
#include "friends/DlgInputText.h"
#include "friends/SendSms.h"
#include "keepers/PositionMessage.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Registry.h"
#include "resources/MessageIds.h"
#include "support/FixMaker.h"
#include "support/QtTestApp.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempFolder.h"
#include "ui/MainFrame.h"
#include "ui/ViewWidget.h"
#include "view/DlgPositionMessages.h"
#include "view/FriendsDialogs.h"
#include "view/NavigationDialogs.h"
#include "view/PoiDialogs.h"

extern char** environ;

namespace rq {
namespace {

// One instance's folder: its settings (bind address, English without asking) and its
// friend list naming the other instance.
void PrepareFolder(const std::string& folder, const char* bind, const char* friendAddress,
                   const char16_t* friendName) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "registry.reg")
        << "REGEDIT4\n\n[HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\WDP]\n"
        << "\"Bind Address\"=\"" << bind << "\"\n\n"
        << "[HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\GPS]\n"
        << "\"Language Id\"=dword:00000001\n";
    CFriendList friends;
    const std::string address(friendAddress);
    friends.AddFriend(std::u16string(address.begin(), address.end()), friendName, true);
    ASSERT_TRUE(friends.Save(folder + "friends.ini"));
}

// The dialogs as a user answers them here: OK on the friend list (the friend is checked),
// a typed text; in the POI manager the local collection, the first POI of "Sights",
// "Send To Friend"; "Navigate By", "Friend Position", the first friend track, "Navigate";
// "received" for a file name.
class ScriptedDialogs : public FriendsDialogs, public PoiDialogs, public NavigationDialogs {
public:
    bool RunFriendList(CDlgFriendList& dlg) override { return dlg.Confirm(); }
    bool RunFriendEdit(CDlgFriendEdit&) override { return false; }
    bool RunInputText(CDlgInputText& dlg) override {
        dlg.text = u"Meet at the fountain";
        return true;
    }
    int RunPositionMessages(CDlgPositionMessages&) override { return kDialogCancel; }

    bool RunSelectPoiCollection(CDlgSelectPoiCollection& dlg) override { return dlg.Ok(); }
    bool RunManagePoi(CDlgManagePoi& dlg) override {
        for (std::size_t i = 0; i < dlg.Categories().size(); ++i)
            if (dlg.Categories()[i].text == u"Sights") dlg.SelectCategory(i);
        dlg.SelectPoi(0);
        dlg.SendToFriend();
        return false;
    }
    bool RunEditPoi(CDlgEditPoi&) override { return false; }
    std::optional<std::string> ChoosePoiFile(const std::string&) override { return std::nullopt; }
    std::optional<std::u16string> AskFilename(std::u16string_view, std::u16string_view) override {
        return u"received";
    }

    bool RunGpsSensitivity(CDlgGpsSensitivity&) override { return false; }
    bool RunNavigateTo(CDlgNavigateTo& dlg) override {
        for (std::size_t i = 0; i < dlg.Entries().size(); ++i)
            if (dlg.Entries()[i].code == CDlgNavigateTo::Source::FriendPosition) dlg.Select(i);
        return dlg.Ok();
    }
    bool RunTrackList(CDlgTrackList& dlg) override {
        dlg.Open();
        dlg.Select(0);
        return dlg.Ok();
    }
    void RunPoiManager(CPoiCollection&) override {}
    std::optional<CCoordinate> RunPositionMessagesToNavigate() override { return std::nullopt; }
};

// One program instance on `folder`, started as the program starts it, with its dialogs
// answered by script.
class Instance {
public:
    explicit Instance(const std::string& folder) {
        test::TestApp();
        platform::OpenRegistry(folder + "registry.reg");
        platform::SetProgramFolder(folder);
        platform::SetUserInterface(&ui_);
        frame_ = std::make_unique<ui::CMainFrame>(240, 320, false,
                                                  BuiltInDisplayProfile(kScreenClassSmall));
        View().SetFriendsDialogs(&dialogs_);
        View().SetPoiDialogs(&dialogs_);
        View().SetNavigationDialogs(&dialogs_);
        View().SetFilenameAsker(&dialogs_);
        frame_->show();
        View().SetStartSmsKeeper(true);
        View().OnInitialUpdate();
    }
    // Leaves as the "--quit-after" timer does: the exit sequence without the question.
    ~Instance() {
        frame_->ExitWithoutAsking();
        frame_.reset();
        platform::SetUserInterface(nullptr);
    }
    CRoamquillPPCView& View() { return frame_->View().View(); }
    test::ScriptedUserInterface& Ui() { return ui_; }
    // Runs the event loop until `done` holds or `ms` have passed.
    bool Await(const std::function<bool()>& done, int ms = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }

private:
    test::ScriptedUserInterface ui_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<ui::CMainFrame> frame_;
};

// Whether an instance's receiving socket is open: the SMS keeper opens it on its own
// thread, a little after the start.
bool Listening(const char* address) {
    const int probe = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_port = htons(static_cast<std::uint16_t>(kSmsReceivePort));
    inet_pton(AF_INET, address, &at.sin_addr);
    const bool taken =
        bind(probe, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 && errno == EADDRINUSE;
    close(probe);
    return taken;
}

const CPoi* ReceivedPoi(CGpsViewData& data) {
    const CPoiCategory* general = data.localPois.FindCategory(u"General");
    return general != nullptr && general->GetCount() > 0 ? general->GetAt(0) : nullptr;
}

// Instance B: waits for what A sends, checks it arrived, exits, starts again and finds
// it all still there (the texts are checked there, after their way through the files).
TEST(TwoInstances, PeerB) {
    const char* folder = std::getenv("RQ_PEER_FOLDER");
    if (folder == nullptr) GTEST_SKIP() << "instance B of TwoInstances.AToB";
    {
        Instance b(folder);
        ASSERT_TRUE(b.Await([] { return Listening("127.0.0.3"); })) << "B does not listen";
        std::ofstream(std::string(folder) + "ready") << "ready";
        CGpsViewData& data = b.View().Data();
        const auto arrived = [&] {
            return data.friendTracks.GetCount() && data.positionTexts.GetCount() &&
                   ReceivedPoi(data);
        };
        ASSERT_TRUE(b.Await(arrived, 30000)) << "nothing arrived";
        const CGpsTrackInfo* friendTrack = data.friendTracks.FindByOwner(u"127.0.0.2");
        ASSERT_NE(friendTrack, nullptr);
        EXPECT_EQ(friendTrack->GetCount(), 1u);
        EXPECT_NEAR(friendTrack->GetHead()->m_lat.value, 51.5, 1e-6);
        EXPECT_TRUE(b.View().Map().GetShowPositionMessage());
        EXPECT_TRUE(b.View().Map().GetShowPoi());
        // "Navigate To ...", by the friend's position.
        EXPECT_TRUE(b.View().OnCommand(CommandId::NavigateTo));
        EXPECT_EQ(data.navigating, 1u);
        EXPECT_NEAR(data.target.m_lat.value, 51.5, 1e-6);
        b.Ui().AnswerNext(platform::MessageAnswer::Yes);  // unsaved POIs: save them
    }
    Instance again(folder);
    CGpsViewData& data = again.View().Data();
    EXPECT_NE(data.friendTracks.FindByOwner(u"127.0.0.2"), nullptr);
    ASSERT_EQ(data.positionTexts.GetCount(), 1u);
    EXPECT_EQ(data.positionTexts.GetAt(0)->text, u"Meet at the fountain");
    ASSERT_NE(ReceivedPoi(data), nullptr);
    EXPECT_EQ(ReceivedPoi(data)->name, u"Fountain");
    EXPECT_EQ(data.navigating, 1u);
}

// Instance A: starts B, gets a fix, and sends from the menus.
TEST(TwoInstances, AToB) {
    if (std::getenv("RQ_PEER_FOLDER") != nullptr) GTEST_SKIP() << "this is instance B";
    test::TempFolder root;
    const std::string a = root / "a/", b = root / "b/";
    PrepareFolder(a, "127.0.0.2", "127.0.0.3", u"Bea");
    PrepareFolder(b, "127.0.0.3", "127.0.0.2", u"Al");

    // B finds its folder in its environment; this process forgets it once B is started.
    setenv("RQ_PEER_FOLDER", b.c_str(), 1);
    std::string exe = platform::JoinPath("/proc/self", "exe");
    std::string filter = "--gtest_filter=TwoInstances.PeerB";
    char* argv[] = {exe.data(), filter.data(), nullptr};
    pid_t peer = 0;
    const int spawned = posix_spawn(&peer, exe.c_str(), nullptr, nullptr, argv, environ);
    unsetenv("RQ_PEER_FOLDER");
    ASSERT_EQ(spawned, 0);

    {
        Instance instanceA(a);
        ASSERT_TRUE(instanceA.Await([&] { return platform::PathExists(b + "ready"); }, 30000))
            << "instance B did not start";
        CRoamquillPPCView& view = instanceA.View();
        platform::WindowMessage fix{kMsgPosition, kPositionNewFix, 0,
                                    std::make_unique<CPositionMessage>(test::MakeFix(51.5, -0.13))};
        view.OnMessage(fix);
        ASSERT_TRUE(view.StateOf(CommandId::SendMyPosition).enabled);
        EXPECT_TRUE(view.OnCommand(CommandId::SendMyPosition));
        EXPECT_TRUE(view.OnCommand(CommandId::SendPositionMessage));
        view.Data().localPois.AddCategory(u"Sights")->AddPoi(u"Fountain",
                                                             CCoordinate(51.501, -0.129), 12);
        EXPECT_TRUE(view.OnCommand(CommandId::ManagePoi));
        EXPECT_TRUE(instanceA.Ui().Messages().empty()) << "every send reached B";
    }

    int status = -1;
    for (int waited = 0; waited < 600 && waitpid(peer, &status, WNOHANG) == 0; ++waited)
        usleep(100000);
    if (waitpid(peer, &status, WNOHANG) == 0) kill(peer, SIGKILL);
    ASSERT_TRUE(WIFEXITED(status)) << "instance B did not end";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "instance B failed: see its output above";
}

}  // namespace
}  // namespace rq
