#include <gtest/gtest.h>

#include <filesystem>

#include "app/AppTestSupport.h"
#include "app/DlgSelectLanguage.h"
#include "app/LanguageModule.h"
#include "app/LanguageTable.h"
#include "app/ResourceModule.h"
#include "app/Settings.h"
#include "app/StringTable.h"

namespace rq {
namespace {

TEST(LanguageTable, FindLanguageModule) {
    EXPECT_EQ(FindLanguageModule(1), std::optional<std::string>(""));
    EXPECT_EQ(FindLanguageModule(2), std::optional<std::string>("LanChsPpc.dll"));
    EXPECT_EQ(FindLanguageModule(3), std::optional<std::string>("LanChtPpc.dll"));
    for (std::uint32_t id : {0u, 4u, 5u, 9u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(FindLanguageModule(id)) << id;
    }
}

class LanguageTest : public test::UiAppTest {
protected:
    // Installs the test module under the name of a real language's module.
    void InstallTestModule(const std::string& asName) {
        std::filesystem::copy_file(std::string(RQ_BINARY_DIR) + "/LanTestPpc.dll",
                                   folder_.Path() + asName);
    }
};

TEST_F(LanguageTest, DialogEntriesSelectionAndResult) {
    const struct {
        std::uint32_t stored;
        std::optional<std::size_t> selected;
    } cases[] = {{0, std::nullopt}, {1, 0}, {2, 1}, {3, 2}, {4, std::nullopt}, {9, std::nullopt}};
    for (const auto& c : cases) {
        SetLanguageId(c.stored);
        CDlgSelectLanguage dialog;
        dialog.Open();
        ASSERT_EQ(dialog.Entries().size(), 3u);
        EXPECT_EQ(dialog.Entries()[0].name, u"English");
        EXPECT_EQ(dialog.Entries()[1].name, u"Simplified Chinese");
        EXPECT_EQ(dialog.Entries()[2].name, u"Traditional Chinese");
        EXPECT_EQ(dialog.Entries()[2].id, 3u);
        EXPECT_EQ(dialog.Selection(), c.selected) << c.stored;
        EXPECT_EQ(dialog.Ok(), c.selected.has_value()) << c.stored;
    }
    CDlgSelectLanguage dialog;
    dialog.Open();
    dialog.Select(std::nullopt);
    EXPECT_FALSE(dialog.Ok());
    dialog.Select(7);  // out of range: nothing selected
    EXPECT_FALSE(dialog.Ok());
    dialog.Select(2);
    ASSERT_TRUE(dialog.Ok());
    EXPECT_EQ(dialog.Result(), 3u);
}

struct ScriptedChooser : LanguageChooser {
    std::optional<std::uint32_t> answer;
    int asked = 0;
    std::optional<std::uint32_t> ChooseLanguage() override {
        ++asked;
        return answer;
    }
};

TEST_F(LanguageTest, LanguageCommandStoresForTheNextStart) {
    ScriptedChooser chooser;
    RunLanguageCommand(chooser);
    EXPECT_EQ(GetLanguageId(), 0u);
    EXPECT_TRUE(ui_.Messages().empty());
    chooser.answer = 2;
    RunLanguageCommand(chooser);
    EXPECT_EQ(GetLanguageId(), 2u);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0].text, BuiltInString(StringId::YouHaveToRestartRoamquill));
    EXPECT_EQ(ui_.Messages()[0].icon, platform::MessageIcon::Information);
    // Nothing was loaded for the running program.
    EXPECT_EQ(CurrentResourceModule(), nullptr);
}

TEST_F(LanguageTest, ModuleServesItsTextsAndEnglishTheRest) {
    InstallTestModule("LanChsPpc.dll");
    platform::LibraryHandle module = LoadLanguageModule(2);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(CurrentResourceModule(), module);
    EXPECT_EQ(LoadResourceString(StringId::General), u"[test] General");
    EXPECT_EQ(LoadResourceString(StringId::Menu), u"[test] Menu");
    EXPECT_EQ(LoadResourceString(StringId::Views), u"Views");
    EXPECT_EQ(BuiltInString(StringId::General), u"General");
    EXPECT_TRUE(LoadResourceString(static_cast<StringId>(235)).empty());
    ShowStringMessage(StringId::YouHaveToRestartRoamquill, platform::MessageIcon::Information);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0].text, u"[test] restart");
    FreeLanguageModule(module);
    EXPECT_EQ(CurrentResourceModule(), nullptr);
    EXPECT_EQ(LoadResourceString(StringId::General), u"General");

    // Absent module, built-in language, unknown id: no module, English texts.
    for (std::uint32_t id : {3u, 1u, 0u, 9u}) {
        EXPECT_EQ(LoadLanguageModule(id), nullptr) << id;
        EXPECT_EQ(LoadResourceString(StringId::Menu), u"Menu") << id;
    }
    EXPECT_TRUE(ui_.Messages().size() == 1);
}

}  // namespace
}  // namespace rq
