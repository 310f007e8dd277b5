// The "Poi" menu's commands on a real view and the POI editor and manager through their
// logic, with scripted dialogs, names and message boxes.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <filesystem>

#include "app/Settings.h"
#include "platform/Files.h"
#include "support/ScopedTimeZone.h"
#include "support/ViewTest.h"
#include "view/PoiCommands.h"

namespace rq {
namespace {

using Texts = std::vector<std::u16string>;

// Answers each dialog from a script; an empty script cancels.
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
    std::optional<std::u16string> AskFilename(std::u16string_view prompt,
                                              std::u16string_view proposed) override {
        return names->AskFilename(prompt, proposed);
    }

    int collection = -1;
    std::function<bool(CDlgManagePoi&)> manage;
    std::function<bool(CDlgEditPoi&)> edit;
    std::optional<std::string> chosen;
    std::vector<std::string> folders;
    test::ScriptedNames* names = nullptr;
};

class PoiCommandsTest : public test::ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        Start();
        dialogs_.names = &names_;
    }
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
        auto edit = [this](CDlgEditPoi& e) { return dialogs_.RunEditPoi(e); };
        auto ask = [this](auto prompt, auto name) { return names_.AskFilename(prompt, name); };
        return {note(u"go "), note(u"centre "), note(u"navigate "), note(u"send "), edit, ask};
    }

    ScriptedPoiDialogs dialogs_;
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
        names_.names = {u""};
        const std::time_t before = std::time(nullptr);
        ASSERT_TRUE(OnSaveLocal(*view_, dialogs_));
        const std::u16string stamp = names_.proposals.back();
        EXPECT_TRUE(stamp == LocalStamp(before) || stamp == LocalStamp(std::time(nullptr))) << zone;
        EXPECT_EQ(std::tuple(CurrentPoiFileText(*view_), GetLastLoadedPoi(),
                             platform::PathExists(Local().FilePath()), IsLocalPoisModified(*view_)),
                  std::tuple(stamp + u".poi", stamp + u".poi", true, false));
    }
    // Named: no question; Save As always asks, and its Cancel changes nothing.
    ASSERT_TRUE(OnSaveLocal(*view_, dialogs_));
    EXPECT_EQ(names_.proposals.size(), 2u);
    EXPECT_FALSE(OnSaveAsLocal(*view_, dialogs_));
    names_.names = {u"trip"};
    ASSERT_TRUE(OnSaveAsLocal(*view_, dialogs_));
    EXPECT_EQ(GetLastLoadedPoi(), u"trip.poi");

    // A failed save: message 196, the name taken and the mark kept; "New (Local)" then
    // stops rather than throw the unsaved POIs away.
    std::filesystem::remove_all(folder_ / "pois");
    test::WriteText(folder_ / "pois", "not a folder");
    AddTo(Local(), u"y");
    names_.names = {u"lost"};
    EXPECT_FALSE(OnSaveAsLocal(*view_, dialogs_));
    EXPECT_EQ(std::tuple(ui_.LastText(), GetLastLoadedPoi(), IsLocalPoisModified(*view_)),
              std::tuple(u"Failed to save POI file.", u"lost.poi", true));
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    OnNewLocal(*view_, dialogs_);
    EXPECT_FALSE(Local().IsEmpty());
}

TEST_F(PoiCommandsTest, NewAndLoad) {
    AddTo(Local(), u"x");
    names_.names = {u"city"};
    ASSERT_TRUE(OnSaveLocal(*view_, dialogs_));
    AddTo(Local(), u"y");

    OnNewLocal(*view_, dialogs_);  // No: goes on without saving
    EXPECT_EQ(ui_.LastText(), u"Your POI is not saved, are you going to save it?");
    EXPECT_EQ(std::tuple(Local().IsEmpty(), CurrentPoiFileText(*view_), IsLocalPoisModified(*view_),
                         GetLastLoadedPoi()),
              std::tuple(true, u"<No Name>", false, u""));

    ui_.ClearMessages();
    dialogs_.chosen = "city.poi";
    OnLoadManageLocal(*view_, dialogs_);
    EXPECT_TRUE(ui_.Messages().empty());  // nothing unsaved: no question
    EXPECT_EQ(dialogs_.folders.back(), folder_ / "pois/");
    EXPECT_EQ(std::tuple(Local().GetAt(0)->GetCount(), GetLastLoadedPoi()),
              std::tuple(1u, u"city.poi"));  // "y" was never saved

    // A damaged file: message 168, "General" alone, the name kept.
    test::WriteText(folder_ / "pois/bad.poi", "\x01\xcd\x2e\xa8\x05\x00\x00\x00");
    dialogs_.chosen = "bad.poi";
    OnLoadManageLocal(*view_, dialogs_);
    EXPECT_EQ(std::tuple(ui_.LastText(), Local().IsEmpty(), GetLastLoadedPoi()),
              std::tuple(u"Loading POI 'bad.poi' failed.", true, u"bad.poi"));
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
    EXPECT_TRUE(view_->Map().GetShowPoi() && view_->Data().navigating == 1);
    EXPECT_NEAR(view_->Map().GetCenter().m_lat.value, 48.25, 1e-9);
    CCoordinate point;
    std::u16string name;
    std::uint32_t status = 0;
    ASSERT_TRUE(GetNavigation(point, name, status));
    EXPECT_EQ(std::tuple(name, status, point.m_lon.value), std::tuple(u"Sacher", 1u, -16.5));
}

TEST_F(PoiCommandsTest, EditorReadsHemispheresAndRefusesLetters) {
    pois_.AddCategory(u"Cafes");
    CDlgEditPoi dlg(pois_);
    dlg.coordinate = CCoordinate(-33.5, 70.25);
    dlg.categoryName = u"Cafes";
    dlg.Open();
    EXPECT_EQ(std::tuple(dlg.latitudeText, dlg.latitudeHemisphere, dlg.categoryIndex),
              std::tuple(u"33.50000000", 1, 1));
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
    EXPECT_EQ(ui_.LastText(), u"You have entered an invalid coordinate!");
    EXPECT_EQ(std::tuple(dlg.name, dlg.categoryName), std::tuple(u"Hut", u"General"));

    // No category at all: "General" is offered; a type without a row is kept.
    pois_.DeleteCategory(u"General");
    pois_.DeleteCategory(u"Cafes");
    dlg.type = 40;
    dlg.Open();
    EXPECT_EQ(std::tuple(dlg.CategoryNames(), dlg.typeIndex), std::tuple(Texts{u"General"}, -1));
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
    EXPECT_EQ(ui_.LastText(), u"Can not delete default POI category!");
    dlg.EditCategory();
    EXPECT_EQ(ui_.LastText(), u"Default POI category can not be edited");
    EXPECT_EQ(pois_.GetCount(), 3u);

    // Exact, case-sensitive names: "bars" is taken, "Bars" is not.
    names_.names = {u"bars", u" Bars "};
    dlg.AddCategory();
    EXPECT_EQ(ui_.LastText(), u"Poi category 'bars' already exist, please use other name.");
    dlg.AddCategory();
    EXPECT_EQ(TextsOf(dlg.Categories()), (Texts{u"<No Name>", u"bars", u"Bars", u"General"}));
    EXPECT_EQ(dlg.CategorySelection(), 2u);

    // Renaming: a taken name is refused, a new one is re-sorted and stays selected.
    names_.names = {u"bars", u"Pubs"};
    dlg.EditCategory();
    EXPECT_EQ(ui_.LastText(), u"Poi category 'bars' already exist, please use other name.");
    dlg.EditCategory();
    EXPECT_EQ(TextsOf(dlg.Categories()), (Texts{u"<No Name>", u"bars", u"General", u"Pubs"}));
    EXPECT_EQ(dlg.CategorySelection(), 3u);

    // Deleting asks; No keeps it, Yes removes it and selects the first entry.
    dlg.DeleteCategory();
    EXPECT_EQ(ui_.LastText(), u"Are you sure to delete category 'Pubs'?");
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    dlg.DeleteCategory();
    EXPECT_EQ(std::tuple(pois_.HasCategory(u"Pubs"), dlg.CategorySelection()),
              std::tuple(false, 0u));
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
    ASSERT_EQ(std::tuple(dlg.PoiSelection(), cafes->GetCount()), std::tuple(1u, 1u));
    EXPECT_EQ(cafes->GetAt(0)->name, u"");
    EXPECT_TRUE(general->modified && cafes->modified);

    // The target renamed meanwhile: message 177, the POI stays.
    dialogs_.edit = [this](CDlgEditPoi& e) {
        e.categoryIndex = 1;
        pois_.FindCategory(u"Cafes")->name = u"Bars";
        return e.Ok();
    };
    dlg.EditPoi();
    EXPECT_EQ(ui_.LastText(), u"Can not move this POI, category 'Cafes' not found!");
    EXPECT_EQ(general->GetCount(), 2u);

    // Deleting the last item selects the new last one.
    dlg.DeletePoi();
    EXPECT_EQ(ui_.LastText(), u"Are you sure to delete ''?");
    ui_.AnswerNext(platform::MessageAnswer::Yes);
    dlg.DeletePoi();
    EXPECT_EQ(std::tuple(TextsOf(dlg.Pois()), dlg.PoiSelection()), std::tuple(Texts{u"a"}, 0u));
}

}  // namespace
}  // namespace rq
