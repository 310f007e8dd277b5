// The POI editor and manager driven through their logic with scripted names, editor
// answers and message boxes.
#include <gtest/gtest.h>

#include <deque>

#include "poi/DlgEditPoi.h"
#include "poi/DlgManagePoi.h"
#include "support/AppTest.h"

namespace rq {
namespace {

using Texts = std::vector<std::u16string>;

class PoiDialogsTest : public test::UiAppTest {
protected:
    std::u16string LastMessage() const { return ui_.Messages().back().text; }
    template <class Items>
    static Texts TextsOf(const Items& items) {
        Texts texts;
        for (const auto& item : items) texts.push_back(item.text);
        return texts;
    }
    CDlgManagePoi::Actions Actions() {
        CDlgManagePoi::Actions a;
        a.goTo = [this](const CPoi& p) { done_.push_back(u"go " + p.name); };
        a.centre = [this](const CPoi& p) { done_.push_back(u"centre " + p.name); };
        a.navigate = [this](const CPoi& p) { done_.push_back(u"navigate " + p.name); };
        a.sendToFriend = [this](const CPoi& p) { done_.push_back(u"send " + p.name); };
        a.editPoi = [this](CDlgEditPoi& e) { return edit_ && edit_(e); };
        a.askName = [this](std::u16string_view, std::u16string_view) {
            std::optional<std::u16string> n;  // none left: Cancel
            if (!names_.empty()) n = names_.front(), names_.pop_front();
            return n;
        };
        return a;
    }

    CPoiCollection pois_;
    std::deque<std::u16string> names_;
    std::function<bool(CDlgEditPoi&)> edit_;
    Texts done_;
};

TEST_F(PoiDialogsTest, EditorFillsAndReadsItsControls) {
    pois_.AddCategory(u"Cafes");
    CDlgEditPoi dlg(pois_);
    dlg.name = u"Sacher";
    dlg.coordinate = CCoordinate(-33.5, 70.25);
    dlg.type = 31;
    dlg.categoryName = u"Cafes";
    dlg.Open();
    EXPECT_EQ(dlg.Caption(), u"<No Name>");
    EXPECT_EQ(dlg.latitudeText, u"33.50000000");
    EXPECT_EQ(dlg.latitudeHemisphere, 1);
    EXPECT_EQ(dlg.longitudeHemisphere, 0);
    EXPECT_EQ(dlg.CategoryNames(), (Texts{u"General", u"Cafes"}));
    EXPECT_EQ(dlg.categoryIndex, 1);
    ASSERT_EQ(dlg.Types().size(), 34u);
    EXPECT_EQ(dlg.Types()[13].label, u"Zoo");  // table order, not alphabetical
    EXPECT_EQ(dlg.typeIndex, 31);

    // 12.5 "South" is -12.5, -12.5 "North" is 12.5; letters are refused and keep it open.
    struct Case {
        std::u16string lat;
        int hemisphere;
        bool ok;
        double want;
    } cases[] = {{u"12.5", 1, true, -12.5}, {u"-12.5", 0, true, 12.5}, {u"abc", 0, false, 0}};
    for (const Case& c : cases) {
        dlg.nameText = u"  Hut ";
        dlg.latitudeText = c.lat;
        dlg.latitudeHemisphere = c.hemisphere;
        dlg.categoryIndex = 0;
        ASSERT_EQ(dlg.Ok(), c.ok);
        if (c.ok) {
            EXPECT_DOUBLE_EQ(dlg.coordinate.m_lat.value, c.want);
        }
    }
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

TEST_F(PoiDialogsTest, ManagerCategories) {
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
    names_ = {u"bars", u" Bars "};
    dlg.AddCategory();
    EXPECT_EQ(LastMessage(), u"Poi category 'bars' already exist, please use other name.");
    dlg.AddCategory();
    EXPECT_EQ(TextsOf(dlg.Categories()), (Texts{u"<No Name>", u"bars", u"Bars", u"General"}));
    EXPECT_EQ(dlg.CategorySelection(), 2u);

    // Renaming: a taken name is refused, a new one is re-sorted and stays selected.
    names_ = {u"bars", u"Pubs"};
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

TEST_F(PoiDialogsTest, ManagerPois) {
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
    edit_ = [](CDlgEditPoi& e) {
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
    edit_ = [this](CDlgEditPoi& e) {
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
