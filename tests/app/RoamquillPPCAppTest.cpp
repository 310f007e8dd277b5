#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/DisplayProfile.h"
#include "app/DlgSelectLanguage.h"
#include "app/LanguageModule.h"
#include "app/ResourceModule.h"
#include "app/RoamquillPPCApp.h"
#include "app/Screen.h"
#include "app/Settings.h"
#include "app/StringTable.h"
#include "platform/Text.h"
#include "support/AppTest.h"

namespace rq {
namespace {

constexpr std::u16string_view kOwnerKey = u"HKEY_CURRENT_USER\\ControlPanel\\Owner";

struct ScriptedChooser : LanguageChooser {
    std::optional<std::uint32_t> answer;
    int asked = 0;
    std::optional<std::uint32_t> ChooseLanguage() override {
        ++asked;
        return answer;
    }
};

class StartupTest : public test::UiAppTest {
protected:
    void SetUp() override {
        UiAppTest::SetUp();
        platform::Registry().SetText(kOwnerKey, u"Owner", u"  Ada  ");
    }
    bool Start() {
        CRoamquillPPCApp app(chooser_);
        const bool started = app.InitInstance();
        module_ = app.LanguageModule();
        return started;
    }
    // The texts of the message boxes shown so far.
    std::vector<std::u16string> Shown() const {
        std::vector<std::u16string> texts;
        for (const auto& shown : ui_.Messages()) texts.push_back(shown.text);
        return texts;
    }
    // Installs the test module under the name of a real language's module.
    void InstallTestModule(const std::string& asName) {
        std::filesystem::copy_file(std::string(RQ_BINARY_DIR) + "/LanTestPpc.dll",
                                   folder_.Path() + asName);
    }

    ScriptedChooser chooser_;
    platform::LibraryHandle module_ = nullptr;
};

TEST_F(StartupTest, FirstStartsAskUntilALanguageIsChosen) {
    ASSERT_TRUE(Start());  // cancelled: nothing stored
    EXPECT_FALSE(platform::Registry().GetValue(kSettingsKey, u"Language Id"));
    platform::Registry().SetText(kOwnerKey, u"Owner", u" \t ");
    chooser_.answer = 1;
    ASSERT_TRUE(Start());
    EXPECT_EQ(chooser_.asked, 2);
    EXPECT_EQ(GetLanguageId(), 1u);
    EXPECT_EQ(module_, nullptr);
    for (const char* folder : {"tracks", "pois", "logs", "ftracks"})
        EXPECT_TRUE(std::filesystem::is_directory(folder_.Path() + folder)) << folder;
    EXPECT_EQ(GetAppPath(), platform::FromUtf8(folder_.Path()));
    EXPECT_EQ(Shown(), (std::vector{BuiltInString(StringId::OwnerInformationIsNotSet)}));
    EXPECT_EQ(ui_.Messages()[0].icon, platform::MessageIcon::Information);

    ui_.ClearMessages();
    platform::Registry().SetText(kOwnerKey, u"Owner", u"Ada");
    ASSERT_TRUE(Start());
    EXPECT_EQ(chooser_.asked, 2);
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(StartupTest, ChosenModuleIsLoadedAndFreedAtExit) {
    InstallTestModule("LanChtPpc.dll");
    chooser_.answer = 3;
    {
        CRoamquillPPCApp app(chooser_);
        ASSERT_TRUE(app.InitInstance());
        EXPECT_NE(app.LanguageModule(), nullptr);
        EXPECT_EQ(LoadResourceString(StringId::General), u"[test] General");
        app.ExitInstance();
        EXPECT_EQ(app.LanguageModule(), nullptr);
        EXPECT_EQ(LoadResourceString(StringId::General), u"General");
    }
    EXPECT_EQ(GetLanguageId(), 3u);
    // Later starts load it without asking; a module that is gone is not reported.
    ASSERT_TRUE(Start());
    EXPECT_EQ(chooser_.asked, 1);
    EXPECT_EQ(CurrentResourceModule(), nullptr);  // freed with the app object
    std::filesystem::remove(folder_.Path() + "LanChtPpc.dll");
    ASSERT_TRUE(Start());
    EXPECT_EQ(module_, nullptr);
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(StartupTest, OsVersionChecks) {
    SetLanguageId(1);
    platform::InjectOsVersion(std::optional<platform::OsVersion>());
    EXPECT_FALSE(Start());
    platform::InjectOsVersion(platform::OsVersion{4, 20});
    EXPECT_FALSE(Start());
    EXPECT_EQ(Shown(), (std::vector{BuiltInString(StringId::CanNotGetVersionOfOs),
                                    BuiltInString(StringId::DesignedForWindowsMobile5)}));
    for (const auto& shown : ui_.Messages()) EXPECT_EQ(shown.icon, platform::MessageIcon::Error);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "tracks"));
    EXPECT_EQ(GetAppPath(), u"");
    platform::InjectOsVersion(platform::OsVersion{5, 0});
    EXPECT_TRUE(Start());
}

TEST_F(StartupTest, ExistingPathsAreLeftAloneAndAFailureStopsTheFolders) {
    SetLanguageId(1);
    std::ofstream(folder_.Path() + "pois") << "a file, not a folder";
    ASSERT_TRUE(Start());
    EXPECT_TRUE(std::filesystem::is_regular_file(folder_.Path() + "pois"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "ftracks"));

    // A program folder below a regular file cannot hold folders, even for root.
    std::ofstream(folder_.Path() + "plain") << "x";
    platform::SetProgramFolder(folder_.Path() + "plain/app/");
    ui_.ClearMessages();
    EXPECT_FALSE(Start());
    EXPECT_EQ(Shown(), (std::vector{BuiltInString(StringId::CanNotAccessRoamquillDirectory)}));
    EXPECT_EQ(ui_.Messages()[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(GetAppPath(), platform::FromUtf8(folder_.Path()));
}

TEST_F(StartupTest, LoadsTheDisplayProfile) {
    SetLanguageId(1);
    SetScreenSize(480, 640);
    std::ofstream(folder_.Path() + "default_cfg_vga.ini") << "compass_defaults.heading_font_size=5";
    CRoamquillPPCApp app(chooser_);
    int iconsLoaded = 0;
    app.SetPoiTypeIconLoader([&] {
        // After the profile, before the program folder is recorded.
        EXPECT_EQ(CurrentDisplayProfile().compassHeadingFontSize, 5);
        EXPECT_EQ(GetAppPath(), u"");
        ++iconsLoaded;
    });
    bool windowCreated = false;
    ASSERT_TRUE(app.InitInstance([&] {
        windowCreated = true;
        return true;
    }));
    EXPECT_EQ(iconsLoaded, 1);
    EXPECT_TRUE(windowCreated);
    // A main window that cannot be made ends the start-up.
    CRoamquillPPCApp second(chooser_);
    EXPECT_FALSE(second.InitInstance([] { return false; }));
}

TEST_F(StartupTest, LanguageDialogEntriesSelectionAndResult) {
    const struct {
        std::uint32_t stored;
        std::optional<std::size_t> selected;
    } cases[] = {{0, std::nullopt}, {1, 0}, {2, 1}, {3, 2}, {4, std::nullopt}, {9, std::nullopt}};
    for (const auto& c : cases) {
        SetLanguageId(c.stored);
        CDlgSelectLanguage dialog;
        dialog.Open();
        EXPECT_EQ(dialog.Selection(), c.selected) << c.stored;
        EXPECT_EQ(dialog.Ok(), c.selected.has_value()) << c.stored;
    }
    CDlgSelectLanguage dialog;
    dialog.Open();
    std::vector<std::pair<std::u16string, std::uint32_t>> entries;
    for (const auto& e : dialog.Entries()) entries.emplace_back(e.name, e.id);
    EXPECT_EQ(entries,
              (std::vector<std::pair<std::u16string, std::uint32_t>>{
                  {u"English", 1}, {u"Simplified Chinese", 2}, {u"Traditional Chinese", 3}}));
    dialog.Select(std::nullopt);
    EXPECT_FALSE(dialog.Ok());
    dialog.Select(7);  // out of range: nothing selected
    EXPECT_FALSE(dialog.Ok());
    dialog.Select(2);
    ASSERT_TRUE(dialog.Ok());
    EXPECT_EQ(dialog.Result(), 3u);
}

TEST_F(StartupTest, LanguageCommandStoresForTheNextStart) {
    RunLanguageCommand(chooser_);
    EXPECT_EQ(GetLanguageId(), 0u);
    EXPECT_TRUE(ui_.Messages().empty());
    chooser_.answer = 2;
    RunLanguageCommand(chooser_);
    EXPECT_EQ(GetLanguageId(), 2u);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0].text, BuiltInString(StringId::YouHaveToRestartRoamquill));
    EXPECT_EQ(ui_.Messages()[0].icon, platform::MessageIcon::Information);
    // Nothing was loaded for the running program.
    EXPECT_EQ(CurrentResourceModule(), nullptr);
}

TEST_F(StartupTest, LanguageModuleServesItsTextsAndEnglishTheRest) {
    InstallTestModule("LanChsPpc.dll");
    platform::LibraryHandle module = LoadLanguageModule(2);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(CurrentResourceModule(), module);
    EXPECT_EQ(LoadResourceString(StringId::Menu), u"[test] Menu");
    EXPECT_EQ(LoadResourceString(StringId::Views), u"Views");
    EXPECT_EQ(BuiltInString(StringId::General), u"General");
    EXPECT_TRUE(LoadResourceString(static_cast<StringId>(235)).empty());
    ShowStringMessage(StringId::YouHaveToRestartRoamquill, platform::MessageIcon::Information);
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0].text, u"[test] restart");
    FreeLanguageModule(module);

    // Absent module, built-in language, unknown id: no module, English texts.
    for (std::uint32_t id : {3u, 1u, 0u, 9u}) {
        EXPECT_EQ(LoadLanguageModule(id), nullptr) << id;
        EXPECT_EQ(LoadResourceString(StringId::Menu), u"Menu") << id;
    }
    EXPECT_TRUE(ui_.Messages().size() == 1);
}

}  // namespace
}  // namespace rq
