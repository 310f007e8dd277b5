// The "Select file" and "File Name" dialogs driven with scripted answers on a real
// folder.
#include <gtest/gtest.h>

#include <fstream>

#include "app/StringTable.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"
#include "support/AppTest.h"
#include "support/CaseTable.h"
#include "track/DlgOpenFile.h"

namespace rq {
namespace {

using platform::MessageAnswer;
using platform::MessageIcon;

struct ScriptedAsker : FilenameAsker {
    std::optional<std::u16string> answer;
    std::u16string askedPrompt, askedName;
    std::optional<std::u16string> AskFilename(std::u16string_view prompt,
                                              std::u16string_view proposed) override {
        askedPrompt = prompt;
        askedName = proposed;
        return answer;
    }
};

class FileDialogsTest : public test::UiAppTest {
protected:
    void Touch(const std::string& name) { std::ofstream(folder_ / name) << "x"; }
    std::u16string LastMessage() const {
        return ui_.Messages().empty() ? u"" : ui_.Messages().back().text;
    }

    ScriptedAsker asker_;
};

TEST_F(FileDialogsTest, FileNameIsTrimmedAndAnEmptyOrPathLikeOneRefused) {
    for (const auto& row : test::CaseTable("cases/file-names-typed.txt")) {
        ui_.ClearMessages();
        const bool accepted = row[1] != "refused";
        CDlgFilename dialog(u"Enter file name", platform::FromUtf8(row[0]));
        EXPECT_EQ(dialog.Ok(), accepted) << row[0];
        EXPECT_EQ(platform::ToUtf8(dialog.Result()), accepted ? row[1] : "") << row[0];
        EXPECT_EQ(LastMessage(), accepted ? u"" : BuiltInString(StringId::YourInputIsInvalid));
    }
}

TEST_F(FileDialogsTest, ListsMatchingFilesWithoutTheirExtension) {
    for (const char* name : {"a.trk", "b.trk", "TRIP.TRK", "c.poi", "my.tk", ".trk"}) Touch(name);
    platform::CreateFolder(folder_ / "d.trk");
    CDlgOpenFile dialog(folder_.Path(), "*.trk", ".trk", CDlgOpenFile::Bar::OkCancel);
    dialog.Open();
    std::vector<std::u16string> shown;
    for (const auto& e : dialog.Entries()) shown.push_back(e.shown);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::u16string>{u".trk", u"TRIP.TRK", u"a", u"b"}));
    ASSERT_EQ(dialog.Selection(), std::optional<std::size_t>(0));
    // The chosen file is the one found, so an upper-case name still opens.
    for (std::size_t i = 0; i < dialog.Entries().size(); ++i) {
        dialog.Select(i);
        ASSERT_TRUE(dialog.Ok());
        EXPECT_TRUE(platform::PathExists(folder_ / dialog.Result())) << dialog.Result();
    }
}

TEST_F(FileDialogsTest, EmptyFolderRefusesOk) {
    CDlgOpenFile dialog(folder_.Path(), "*.trk", ".trk", CDlgOpenFile::Bar::OkCancel);
    dialog.Open();
    EXPECT_TRUE(dialog.Entries().empty());
    EXPECT_FALSE(dialog.Selection());
    EXPECT_FALSE(dialog.Ok());
    EXPECT_EQ(LastMessage(), BuiltInString(StringId::SelectFileFirst));
    dialog.Delete();
    dialog.Rename();
    EXPECT_EQ(ui_.Messages().size(), 3u);
}

TEST_F(FileDialogsTest, DeleteAsksAndSelectsTheEntryThatTakesThePlace) {
    for (const char* name : {"a.trk", "b.trk", "c.trk"}) Touch(name);
    CDlgOpenFile dialog(folder_.Path(), "*.trk", ".trk", CDlgOpenFile::Bar::DeleteRename);
    dialog.Open();
    const std::size_t last = dialog.Entries().size() - 1;
    const std::string lastName = dialog.Entries()[last].fileName;

    dialog.Select(last);
    ui_.AnswerNext(MessageAnswer::No);
    dialog.Delete();
    EXPECT_EQ(LastMessage(), platform::FormatText(BuiltInString(StringId::AreYouSureToDeleteFile),
                                                  {dialog.Entries()[last].shown}));
    EXPECT_TRUE(platform::PathExists(folder_ / lastName));

    ui_.AnswerNext(MessageAnswer::Yes);
    dialog.Delete();
    EXPECT_FALSE(platform::PathExists(folder_ / lastName));
    ASSERT_EQ(dialog.Entries().size(), 2u);
    EXPECT_EQ(dialog.Selection(), std::optional<std::size_t>(1));  // the new last

    dialog.Select(0);
    const std::string secondName = dialog.Entries()[1].fileName;
    ui_.AnswerNext(MessageAnswer::Yes);
    dialog.Delete();
    EXPECT_EQ(dialog.Selection(), std::optional<std::size_t>(0));
    EXPECT_EQ(dialog.Entries()[0].fileName, secondName);

    // A file that went away meanwhile: the failure is told and the entry stays.
    std::filesystem::remove(folder_ / secondName);
    ui_.AnswerNext(MessageAnswer::Yes);
    dialog.Delete();
    EXPECT_EQ(LastMessage(), BuiltInString(StringId::DeleteFileFailed));
    EXPECT_EQ(dialog.Entries().size(), 1u);
}

TEST_F(FileDialogsTest, RenameRules) {
    Touch("a.trk");
    Touch("b.trk");
    CDlgOpenFile dialog(folder_.Path(), "*.trk", ".trk", CDlgOpenFile::Bar::DeleteRename, &asker_);
    dialog.Open();
    std::size_t a = dialog.Entries()[0].fileName == "a.trk" ? 0 : 1;
    dialog.Select(a);

    const struct {
        std::optional<std::u16string> answer;
        std::u16string message;  // empty: none
        const char* aFileAfter;
    } rows[] = {
        {std::nullopt, u"", "a.trk"},                                  // cancelled
        {u"a", u"", "a.trk"},                                          // same name: nothing
        {u"b", BuiltInString(StringId::FileAlreadyExists), "a.trk"},   // taken
        {u"x/y", BuiltInString(StringId::CanNotRenameFile), "a.trk"},  // not a name in this folder
        {u"c", u"", "c.trk"},                                          // done
    };
    for (const auto& row : rows) {
        ui_.ClearMessages();
        asker_.answer = row.answer;
        dialog.Rename();
        EXPECT_EQ(asker_.askedPrompt, BuiltInString(StringId::EnterFileName));
        EXPECT_EQ(LastMessage(), row.message);
        EXPECT_EQ(dialog.Entries()[a].fileName, row.aFileAfter);
        EXPECT_TRUE(platform::PathExists(folder_ / row.aFileAfter));
    }
    EXPECT_EQ(dialog.Entries()[a].shown, u"c");
    EXPECT_EQ(dialog.Selection(), std::optional<std::size_t>(a));
}

}  // namespace
}  // namespace rq
