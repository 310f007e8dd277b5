#include <gtest/gtest.h>

#include "app/StringTable.h"
#include "platform/Text.h"
#include "poi/PoiCollection.h"
#include "poi/PoiTypeTable.h"
#include "support/CaseTable.h"

using namespace rq;

// A new collection holds the default category alone; what a refused file leaves is
// checked by the POI file tests.
TEST(PoiCollection, NewHoldsTheDefaultCategoryAndNamesMatchExactlyFirstWins) {
    CPoiCollection c;
    ASSERT_EQ(c.GetCount(), 1u);
    EXPECT_EQ(c.GetAt(0)->name, u"General");
    EXPECT_TRUE(!c.IsModified() && c.IsEmpty() && c.name.empty() && c.GetAt(1) == nullptr);
    CPoiCategory* first = c.AddCategory(u"Cafes");
    CPoiCategory* second = c.AddCategory(u"Cafes");  // the model allows duplicates
    EXPECT_NE(first, second);
    EXPECT_EQ(c.FindCategory(u"Cafes"), first);
    EXPECT_EQ(c.FindCategory(u"cafes"), nullptr);
    EXPECT_TRUE(c.HasCategory(u"General"));
    EXPECT_FALSE(c.HasCategory(u"General "));

    c.SetModified(false, true);
    EXPECT_TRUE(c.DeleteCategory(u"Cafes"));
    EXPECT_TRUE(c.IsModified());
    EXPECT_EQ(c.FindCategory(u"Cafes"), second);
    EXPECT_TRUE(c.DeleteCategory(u"General"));  // not protected here
    EXPECT_FALSE(c.DeleteCategory(u"General"));
    ASSERT_EQ(c.GetCount(), 1u);
    EXPECT_EQ(c.GetAt(0), second);
}

TEST(PoiCollection, ModifiedFlags) {
    CPoiCollection c;
    CPoiCategory* general = c.GetAt(0);
    general->AddPoi(u"x", CCoordinate(1, 2), 0);
    EXPECT_TRUE(general->modified);
    EXPECT_FALSE(c.modified);  // only the category knows
    EXPECT_TRUE(c.IsModified());

    c.SetModified(false, false);
    EXPECT_TRUE(c.IsModified());
    c.SetModified(false, true);
    EXPECT_FALSE(c.IsModified());
    c.SetModified(true, false);
    EXPECT_TRUE(c.IsModified());
    EXPECT_FALSE(general->modified);
}

TEST(PoiCategory, AddRemovePois) {
    CPoiCategory cat(u"Sights");
    CCoordinate where(48.137154, 11.576124);
    where.lonScale = 1234;
    CPoi* a = cat.AddPoi(u"Marienplatz", where, 3);
    CPoi* b = cat.AddPoi(u"Odeonsplatz", CCoordinate(48.1425, 11.5775), 40);
    ASSERT_EQ(cat.GetCount(), 2u);
    EXPECT_TRUE(cat.GetAt(0) == a && cat.GetAt(1) == b) << "appended in order";
    EXPECT_TRUE(a->name == u"Marienplatz" && a->type == 3u && a->m_lat.value == 48.137154 &&
                a->m_lon.value == 11.576124);
    EXPECT_EQ(a->lonScale, 0) << "only the values are copied";
    EXPECT_TRUE(cat.modified);

    cat.modified = false;
    CPoi stranger;
    EXPECT_FALSE(cat.RemovePoi(&stranger) || cat.RemovePoi(nullptr));
    EXPECT_TRUE(cat.RemovePoi(a));
    EXPECT_FALSE(cat.modified) << "the caller decides";
    ASSERT_EQ(cat.GetCount(), 1u);
    EXPECT_EQ(cat.GetAt(0), b);
    cat.RemoveAllPois();
    EXPECT_TRUE(cat.IsEmpty() && cat.modified);
    EXPECT_TRUE(stranger.name.empty() && stranger.type == 0u && !stranger.IsValid());
}

TEST(PoiTypeTable, RowsIconsAndLabels) {
    ASSERT_EQ(kPoiTypeCount, 34u);
    const PoiTypeRow* rows = PoiTypeRows();
    for (std::uint32_t i = 0; i < kPoiTypeCount; ++i) {
        EXPECT_EQ(rows[i].type, i);
        EXPECT_EQ(FindPoiType(i), &rows[i]);
        EXPECT_NE(rows[i].iconId, 0u) << i;
    }
    for (const auto& row : test::CaseTable("cases/poi-type-rows.txt")) {
        const PoiTypeRow* found = FindPoiType(std::stoul(row[0]));
        ASSERT_NE(found, nullptr) << row[0];
        EXPECT_EQ(std::to_string(found->iconId) + "|" + std::to_string(found->iconWidth) + "|" +
                      std::to_string(found->iconHeight) + "|" +
                      platform::ToUtf8(BuiltInString(found->labelId)),
                  row[1] + "|" + row[2] + "|" + row[3] + "|" + row[4]);
        EXPECT_EQ(PoiTypeLabelId(found->type), found->labelId) << row[0];
    }
    EXPECT_EQ(FindPoiType(34), nullptr);
    EXPECT_EQ(FindPoiType(40), nullptr);
    EXPECT_FALSE(PoiTypeLabelId(40));
    EXPECT_FALSE(PoiTypeLabelId(0xFFFFFFFFu));
}
