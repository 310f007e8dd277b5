// The "Poi" menu's commands on a real view, with scripted dialogs and message boxes.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <ctime>
#include <deque>
#include <filesystem>

#include "app/Screen.h"
#include "app/Settings.h"
#include "platform/Files.h"
#include "support/AppTest.h"
#include "support/ScopedTimeZone.h"
#include "view/PoiCommands.h"
#include "view/RoamquillPPCView.h"

namespace rq {
namespace {

class BarsOnly : public CommandBarSwitch {
protected:
    void SetBarShown(int index, bool shown) override { bars_[std::size_t(index)] = shown; }
    bool IsBarShown(int index) const override { return bars_[std::size_t(index)]; }

private:
    std::array<bool, 4> bars_{};
};

// Answers each dialog from a script; an empty script cancels. A name of "" accepts the
// proposed one.
class ScriptedPoiDialogs : public PoiDialogs {
public:
    bool RunSelectPoiCollection(CDlgSelectPoiCollection& dlg) override {
        if (collection < 0) return false;
        dlg.selection = collection;
        return dlg.Ok();
    }
    bool RunManagePoi(CDlgManagePoi& dlg) override { return manage && manage(dlg); }
    bool RunEditPoi(CDlgEditPoi& dlg) override { return edit && edit(dlg); }
    std::optional<std::string> ChoosePoiFile(const std::string& folder) override {
        folders.push_back(folder);
        return chosen;
    }
    std::optional<std::u16string> AskFilename(std::u16string_view,
                                              std::u16string_view proposed) override {
        proposals.emplace_back(proposed);
        if (names.empty()) return std::nullopt;
        std::u16string name = names.front();
        names.pop_front();
        return name.empty() ? std::u16string(proposed) : name;
    }

    int collection = -1;
    std::function<bool(CDlgManagePoi&)> manage;
    std::function<bool(CDlgEditPoi&)> edit;
    std::optional<std::string> chosen;
    std::vector<std::string> folders;
    std::deque<std::u16string> names;
    std::vector<std::u16string> proposals;
};

class PoiCommandsTest : public test::UiAppTest {
protected:
    void SetUp() override {
        UiAppTest::SetUp();
        view_ = std::make_unique<CRoamquillPPCView>(frame_);
        ASSERT_TRUE(view_->OnCreate(BuiltInDisplayProfile(kScreenClassSmall)));
        view_->OnInitialUpdate();
    }
    void TearDown() override {
        view_.reset();
        UiAppTest::TearDown();
    }
    std::u16string LastMessage() const { return ui_.Messages().back().text; }
    CPoiCollection& Local() { return view_->Data().localPois; }
    void AddTo(CPoiCollection& pois, const char16_t* name) {
        pois.GetAt(0)->AddPoi(name, CCoordinate(48.2, 16.37), 31);
    }

    BarsOnly frame_;
    ScriptedPoiDialogs dialogs_;
    std::unique_ptr<CRoamquillPPCView> view_;
};

std::u16string LocalStamp(std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d_%H-%M-%S", &tm);
    return std::u16string(text, text + std::strlen(text));
}

TEST_F(PoiCommandsTest, SaveNamesAnUnnamedCollectionByTheLocalTime) {
    for (const char* zone : {"Asia/Kolkata", "America/Los_Angeles"}) {
        test::ScopedTimeZone tz(zone);
        Local().name.clear();
        AddTo(Local(), u"x");
        EXPECT_EQ(CurrentPoiFileText(*view_), u"<No Name>");
        dialogs_.names = {u""};
        const std::time_t before = std::time(nullptr);
        ASSERT_TRUE(OnSaveLocal(*view_, dialogs_));
        const std::u16string stamp = dialogs_.proposals.back();
        EXPECT_TRUE(stamp == LocalStamp(before) || stamp == LocalStamp(std::time(nullptr))) << zone;
        EXPECT_EQ(CurrentPoiFileText(*view_), stamp + u".poi");
        EXPECT_EQ(GetLastLoadedPoi(), stamp + u".poi");
        EXPECT_TRUE(platform::PathExists(Local().FilePath()));
        EXPECT_FALSE(IsLocalPoisModified(*view_));
    }
    // Named: no question; Save As always asks, and its Cancel changes nothing.
    ASSERT_TRUE(OnSaveLocal(*view_, dialogs_));
    EXPECT_EQ(dialogs_.proposals.size(), 2u);
    EXPECT_FALSE(OnSaveAsLocal(*view_, dialogs_));
    dialogs_.names = {u"trip"};
    ASSERT_TRUE(OnSaveAsLocal(*view_, dialogs_));
    EXPECT_EQ(GetLastLoadedPoi(), u"trip.poi");

    // A failed save: message 196, the name taken and the mark kept; "New (Local)" then
    // stops rather than throw the unsaved POIs away.
    std::filesystem::remove_all(folder_ / "pois");
    test::WriteText(folder_ / "pois", "not a folder");
    AddTo(Local(), u"y");
    dialogs_.names = {u"lost"};
    EXPECT_FALSE(OnSaveAsLocal(*view_, dialogs_));
    EXPECT_EQ(LastMessage(), u"Failed to save POI file.");
    EXPECT_EQ(GetLastLoadedPoi(), u"lost.poi");
    EXPECT_TRUE(IsLocalPoisModified(*view_));
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    OnNewLocal(*view_, dialogs_);
    EXPECT_FALSE(Local().IsEmpty());
}

TEST_F(PoiCommandsTest, NewAndLoad) {
    AddTo(Local(), u"x");
    dialogs_.names = {u"city"};
    ASSERT_TRUE(OnSaveLocal(*view_, dialogs_));
    AddTo(Local(), u"y");

    OnNewLocal(*view_, dialogs_);  // No: goes on without saving
    EXPECT_EQ(LastMessage(), u"Your POI is not saved, are you going to save it?");
    EXPECT_TRUE(Local().IsEmpty());
    EXPECT_EQ(CurrentPoiFileText(*view_), u"<No Name>");
    EXPECT_FALSE(IsLocalPoisModified(*view_));
    EXPECT_EQ(GetLastLoadedPoi(), u"");

    ui_.ClearMessages();
    dialogs_.chosen = "city.poi";
    OnLoadManageLocal(*view_, dialogs_);
    EXPECT_TRUE(ui_.Messages().empty());  // nothing unsaved: no question
    EXPECT_EQ(dialogs_.folders.back(), folder_ / "pois/");
    EXPECT_EQ(Local().GetAt(0)->GetCount(), 1u);  // "y" was never saved
    EXPECT_EQ(GetLastLoadedPoi(), u"city.poi");

    // A damaged file: message 168, "General" alone, the name kept.
    test::WriteText(folder_ / "pois/bad.poi", "\x01\xcd\x2e\xa8\x05\x00\x00\x00");
    dialogs_.chosen = "bad.poi";
    OnLoadManageLocal(*view_, dialogs_);
    EXPECT_EQ(LastMessage(), u"Loading POI 'bad.poi' failed.");
    EXPECT_TRUE(Local().IsEmpty());
    EXPECT_EQ(GetLastLoadedPoi(), u"bad.poi");
}

TEST_F(PoiCommandsTest, AddAndManage) {
    // "Add Poi" into a track collection without any category: the editor offers
    // "General", which is made anew; Cancel adds nothing.
    view_->Map().SetCenter(CCoordinate(48.25, -16.5));
    EXPECT_TRUE(CanAddPoi(*view_));
    CPoiCollection& track = view_->Data().track.pois;
    track.DeleteCategory(u"General");
    dialogs_.collection = 1;
    dialogs_.edit = [](CDlgEditPoi& e) {
        EXPECT_EQ(e.name.size(), 19u);  // the local date and time
        e.nameText = u"Sacher";
        return e.Ok();
    };
    OnAddPoi(*view_, dialogs_);
    dialogs_.edit = nullptr;
    OnAddPoi(*view_, dialogs_);
    ASSERT_NE(track.FindCategory(u"General"), nullptr);
    ASSERT_EQ(track.GetAt(0)->GetCount(), 1u);
    EXPECT_DOUBLE_EQ(track.GetAt(0)->GetAt(0)->m_lon.value, -16.5);

    // The manager on it: "Send To Friend" reaches the sender, "Navigate" the map, the
    // navigation target and its settings.
    view_->SetShowPoi(false);
    view_->Map().SetCenter(CCoordinate(1, 2));
    std::vector<std::u16string> sent;
    dialogs_.manage = [](CDlgManagePoi& m) {
        m.SelectPoi(0);
        m.SendToFriend();
        return m.Navigate();
    };
    OnManagePoi(*view_, dialogs_, [&sent](const CPoi& p) { sent.push_back(p.name); });
    EXPECT_EQ(sent, std::vector<std::u16string>{u"Sacher"});
    EXPECT_TRUE(view_->Map().GetShowPoi());
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 48.25, 1e-9);
    EXPECT_EQ(view_->Data().navigating, 1u);
    CCoordinate point;
    std::u16string name;
    std::uint32_t status = 0;
    ASSERT_TRUE(GetNavigation(point, name, status));
    EXPECT_EQ(name, u"Sacher");
    EXPECT_EQ(status, 1u);
    EXPECT_NEAR(point.m_lon.value, -16.5, 1e-9);
}

}  // namespace
}  // namespace rq
