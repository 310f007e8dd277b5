// The "Poi" menu's commands on a real view and the POI editor and manager through their
// logic, with scripted dialogs, names and message boxes.
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

using Texts = std::vector<std::u16string>;

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
    template <class Items>
    static Texts TextsOf(const Items& items) {
        Texts texts;
        for (const auto& item : items) texts.push_back(item.text);
        return texts;
    }
    // The manager's outward acts written down; the editor and names from the script.
    CDlgManagePoi::Actions Actions() {
        auto note = [this](std::u16string what) {
            return [this, what](const CPoi& p) { done_.push_back(what + p.name); };
        };
        return {note(u"go "),
                note(u"centre "),
                note(u"navigate "),
                note(u"send "),
                [this](CDlgEditPoi& e) { return dialogs_.RunEditPoi(e); },
                [this](std::u16string_view prompt, std::u16string_view proposed) {
                    return dialogs_.AskFilename(prompt, proposed);
                }};
    }

    BarsOnly frame_;
    ScriptedPoiDialogs dialogs_;
    std::unique_ptr<CRoamquillPPCView> view_;
    CPoiCollection pois_;
    Texts done_;
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
TEST_F(PoiCommandsTest, EditorReadsHemispheresAndRefusesLetters) {
    pois_.AddCategory(u"Cafes");
    CDlgEditPoi dlg(pois_);
    dlg.coordinate = CCoordinate(-33.5, 70.25);
    dlg.categoryName = u"Cafes";
    dlg.Open();
    EXPECT_EQ(dlg.latitudeText, u"33.50000000");
    EXPECT_EQ(dlg.latitudeHemisphere, 1);
    EXPECT_EQ(dlg.categoryIndex, 1);
    ASSERT_EQ(dlg.Types().size(), 34u);
    EXPECT_EQ(dlg.Types()[13].label, u"Zoo");  // table order, not alphabetical

    // 12.5 "South" is -12.5, -12.5 "North" is 12.5; letters are refused and keep it open.
    const std::tuple<std::u16string, int, double> cases[] = {{u"12.5", 1, -12.5},
                                                             {u"-12.5", 0, 12.5}};
    dlg.nameText = u"  Hut ";
    dlg.categoryIndex = 0;
    for (const auto& [lat, hemisphere, want] : cases) {
        dlg.latitudeText = lat;
        dlg.latitudeHemisphere = hemisphere;
        ASSERT_TRUE(dlg.Ok());
        EXPECT_DOUBLE_EQ(dlg.coordinate.m_lat.value, want);
    }
    dlg.latitudeText = u"abc";
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(LastMessage(), u"You have entered an invalid coordinate!");
    EXPECT_EQ(dlg.name, u"Hut");
    EXPECT_EQ(dlg.categoryName, u"General");

    // No category at all: "General" is offered; a type without a row is kept.
    pois_.DeleteCategory(u"General");
    pois_.DeleteCategory(u"Cafes");
    dlg.type = 40;
    dlg.Open();
    EXPECT_EQ(dlg.CategoryNames(), Texts{u"General"});
    EXPECT_EQ(dlg.typeIndex, -1);
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.type, 40u);
}

TEST_F(PoiCommandsTest, ManagerCategories) {
    pois_.AddCategory(u"bars");
    pois_.AddCategory(u"");
    CDlgManagePoi dlg(pois_, Actions());
    dlg.Open();
    EXPECT_EQ(TextsOf(dlg.Categories()), (Texts{u"<No Name>", u"bars", u"General"}));
    dlg.SelectCategory(2);
    dlg.DeleteCategory();
    EXPECT_EQ(LastMessage(), u"Can not delete default POI category!");
    dlg.EditCategory();
    EXPECT_EQ(LastMessage(), u"Default POI category can not be edited");
    EXPECT_EQ(pois_.GetCount(), 3u);

    // Exact, case-sensitive names: "bars" is taken, "Bars" is not.
    dialogs_.names = {u"bars", u" Bars "};
    dlg.AddCategory();
    EXPECT_EQ(LastMessage(), u"Poi category 'bars' already exist, please use other name.");
    dlg.AddCategory();
    EXPECT_EQ(TextsOf(dlg.Categories()), (Texts{u"<No Name>", u"bars", u"Bars", u"General"}));
    EXPECT_EQ(dlg.CategorySelection(), 2u);

    // Renaming: a taken name is refused, a new one is re-sorted and stays selected.
    dialogs_.names = {u"bars", u"Pubs"};
    dlg.EditCategory();
    EXPECT_EQ(LastMessage(), u"Poi category 'bars' already exist, please use other name.");
    dlg.EditCategory();
    EXPECT_EQ(TextsOf(dlg.Categories()), (Texts{u"<No Name>", u"bars", u"General", u"Pubs"}));
    EXPECT_EQ(dlg.CategorySelection(), 3u);

    // Deleting asks; No keeps it, Yes removes it and selects the first entry.
    dlg.DeleteCategory();
    EXPECT_EQ(LastMessage(), u"Are you sure to delete category 'Pubs'?");
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    dlg.DeleteCategory();
    EXPECT_FALSE(pois_.HasCategory(u"Pubs"));
    EXPECT_EQ(dlg.CategorySelection(), 0u);
}

TEST_F(PoiCommandsTest, ManagerPois) {
    CPoiCategory* general = pois_.GetAt(0);
    general->AddPoi(u"a", CCoordinate(1, 2), 0);
    general->AddPoi(u"", CCoordinate(1, 2), 2);
    general->AddPoi(u"c", CCoordinate(1, 2), 0);
    CPoiCategory* cafes = pois_.AddCategory(u"Cafes");
    pois_.SetModified(false, true);
    CDlgManagePoi dlg(pois_, Actions());
    dlg.Open();
    dlg.SelectCategory(1);
    EXPECT_EQ(TextsOf(dlg.Pois()), (Texts{u"a", u"<Parking>", u"c"}));

    // Nothing selected: the POI commands do nothing, the action key still closes.
    EXPECT_FALSE(dlg.GoToPoi() || dlg.Navigate());
    EXPECT_TRUE(dlg.Ok());
    dlg.SelectPoi(0);
    dlg.SendToFriend();
    EXPECT_TRUE(dlg.GoToPoi() && dlg.Navigate() && dlg.Ok());
    EXPECT_EQ(done_, (Texts{u"send a", u"go a", u"navigate a", u"centre a"}));

    // Moved to "Cafes": gone from this list, the last item selected.
    dlg.SelectPoi(2);
    dialogs_.edit = [](CDlgEditPoi& e) {
        e.nameText = u"";
        e.categoryIndex = 1;
        return e.Ok();
    };
    dlg.EditPoi();
    EXPECT_EQ(TextsOf(dlg.Pois()), (Texts{u"a", u"<Parking>"}));
    EXPECT_EQ(dlg.PoiSelection(), 1u);
    ASSERT_EQ(cafes->GetCount(), 1u);
    EXPECT_EQ(cafes->GetAt(0)->name, u"");
    EXPECT_TRUE(general->modified && cafes->modified);

    // The target renamed meanwhile: message 177, the POI stays.
    dialogs_.edit = [this](CDlgEditPoi& e) {
        e.categoryIndex = 1;
        pois_.FindCategory(u"Cafes")->name = u"Bars";
        return e.Ok();
    };
    dlg.EditPoi();
    EXPECT_EQ(LastMessage(), u"Can not move this POI, category 'Cafes' not found!");
    EXPECT_EQ(general->GetCount(), 2u);

    // Deleting the last item selects the new last one.
    dlg.DeletePoi();
    EXPECT_EQ(LastMessage(), u"Are you sure to delete ''?");
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    dlg.DeletePoi();
    EXPECT_EQ(TextsOf(dlg.Pois()), Texts{u"a"});
    EXPECT_EQ(dlg.PoiSelection(), 0u);
}

}  // namespace
}  // namespace rq
