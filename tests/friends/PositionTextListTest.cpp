#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "friends/PositionTextList.h"
#include "platform/LittleEndian.h"
#include "platform/MessageBox.h"
#include "support/AppTest.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace rq {
namespace {

const char* const kGolden = RQ_SOURCE_DIR "/tests/data/pxt/golden.pxt";

// golden.pxt was written by tests/data/pxt/make_golden.py from the record layout, not by
// this writer: the text cut to 40 units, the sender to 127, each zero-terminated.
TEST(PositionTextList, RecordsHaveTheirLayout) {
    CPositionTextList list;
    list.AddPositionText(48.5, -11.25, std::u16string(45, u't'), u"+49170");
    list.AddPositionText(1, 2, u"two", std::u16string(130, u's'));
    EXPECT_TRUE(list.IsModified());
    const auto saved = list.Save();
    EXPECT_FALSE(list.IsModified());
    const std::string golden = test::ReadText(kGolden);
    ASSERT_EQ(golden.size(), 8u + 2 * 354);
    EXPECT_EQ(std::string(saved.begin(), saved.end()), golden);

    const std::vector<std::uint8_t> bytes(golden.begin(), golden.end());
    CPositionTextList back;
    ASSERT_TRUE(back.Load(bytes.data(), bytes.size()));
    EXPECT_FALSE(back.IsModified());
    ASSERT_EQ(back.GetCount(), 2u);
    const CPositionText& first = *back.GetAt(0);
    EXPECT_EQ(std::tuple(first.GetLatitude().value, first.GetLongitude().value, first.text,
                         first.sender, back.GetAt(1)->text),
              std::tuple(48.5, -11.25, std::u16string(40, u't'), std::u16string(u"+49170"),
                         std::u16string(u"two")));
}

TEST(PositionTextList, BadFilesLeaveAnEmptyUnmodifiedList) {
    const std::string golden = test::ReadText(kGolden);
    for (const auto& row : test::CaseTable("cases/position-text-file-cuts.txt")) {
        std::vector<std::uint8_t> bytes(golden.begin(), golden.end());
        if (!row[1].empty()) bytes.resize(std::stoul(row[1]));
        std::istringstream patches(row[2]);
        for (std::string patch; patches >> patch;)
            platform::PutU32(bytes.data() + std::stoul(patch),
                             std::stoul(patch.substr(patch.find('=') + 1), nullptr, 16));
        CPositionTextList list;
        list.AddPositionText(0, 0, u"old", u"x");
        EXPECT_EQ(list.Load(bytes.data(), bytes.size()), row[3] == "yes") << row[0];
        EXPECT_EQ(list.GetCount(), std::stoul(row[4])) << row[0];
        EXPECT_FALSE(list.IsModified()) << row[0];
    }
}

TEST(PositionTextList, AddRemoveAndTheFileAtExit) {
    test::TempFolder dir;
    const std::string path = dir / "default.pxt";
    CPositionTextList list;
    CPositionText* t = list.AddPositionText(1, 2, u"hello", u"0123");
    list.SetModified(false);
    CPositionText stranger(1, 2, u"hello", u"0123");
    EXPECT_FALSE(list.RemovePositionText(&stranger));
    EXPECT_FALSE(list.IsModified());
    EXPECT_TRUE(list.RemovePositionText(t));
    EXPECT_TRUE(list.IsModified());
    EXPECT_TRUE(list.IsEmpty());
    // One text deleted and not replaced: an 8-byte file with count 0.
    ASSERT_TRUE(list.SaveFile(path));
    EXPECT_FALSE(list.IsModified());
    EXPECT_EQ(test::ReadText(path), std::string("\x11\x40\x37\xC8\0\0\0\0", 8));

    list.AddPositionText(3, 4, u"again", u"5");
    EXPECT_FALSE(list.SaveFile(dir / "missing/default.pxt"));
    EXPECT_TRUE(list.IsModified());  // still to be saved
    EXPECT_EQ(test::ReadText(path).size(), 8u);

    CPositionTextList other;
    EXPECT_FALSE(other.LoadFile(dir / "nothing.pxt"));
    EXPECT_TRUE(other.LoadFile(path));
    EXPECT_TRUE(other.IsEmpty());
}

class PositionTextListRun : public test::UiAppTest {};

TEST_F(PositionTextListRun, StartAndExitOfARun) {
    CPositionTextList texts;
    LoadDefaultPositionTexts(texts);  // no file: not an error
    EXPECT_TRUE(ui_.Messages().empty());
    EXPECT_TRUE(SaveDefaultPositionTexts(texts));  // unchanged: nothing written
    EXPECT_FALSE(platform::PathExists(folder_.Path() + "default.pxt"));

    texts.AddPositionText(1, 2, u"hi", u"0170");
    EXPECT_TRUE(SaveDefaultPositionTexts(texts));
    CPositionTextList back;
    LoadDefaultPositionTexts(back);
    EXPECT_EQ(back.GetCount(), 1u);

    test::WriteText(folder_.Path() + "default.pxt", "corrupt");
    LoadDefaultPositionTexts(back);
    EXPECT_TRUE(back.IsEmpty());
    ASSERT_EQ(ui_.Messages().size(), 1u);
    EXPECT_EQ(ui_.Messages()[0].text, u"Failed to load default position text.");
    EXPECT_EQ(ui_.Messages()[0].icon, platform::MessageIcon::Error);

    // The file's place taken by a folder: the save fails and says so in its own words.
    std::filesystem::remove(folder_.Path() + "default.pxt");
    std::filesystem::create_directories(folder_.Path() + "default.pxt/x");
    texts.AddPositionText(3, 4, u"more", u"0170");
    EXPECT_FALSE(SaveDefaultPositionTexts(texts));
    EXPECT_EQ(ui_.Messages().back().text, u"Failed to save default position text.");
    EXPECT_TRUE(texts.IsModified());
}

}  // namespace
}  // namespace rq
