#include <gtest/gtest.h>

#include <tuple>

#include "friends/PositionTextList.h"
#include "platform/LittleEndian.h"
#include "platform/MessageBox.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"

namespace rq {
namespace {

using platform::GetU32;

std::vector<std::uint8_t> Header(std::uint32_t magic, std::uint32_t count) {
    std::vector<std::uint8_t> h(8);
    platform::PutU32(h.data(), magic);
    platform::PutU32(h.data() + 4, count);
    return h;
}

TEST(PositionTextList, RecordsHaveTheirLayout) {
    CPositionTextList list;
    list.AddPositionText(48.5, -11.25, std::u16string(45, u't'), u"+49170");
    list.AddPositionText(1, 2, u"two", std::u16string(130, u's'));
    EXPECT_TRUE(list.IsModified());
    const auto bytes = list.Save();
    EXPECT_FALSE(list.IsModified());
    ASSERT_EQ(bytes.size(), 8u + 2 * 354);
    EXPECT_EQ(GetU32(bytes.data()), 0xC8374011u);
    EXPECT_EQ(GetU32(bytes.data() + 4), 2u);
    const std::uint8_t* r = bytes.data() + 8;
    // 48.5 and -11.25 as IEEE doubles, little-endian.
    const std::vector<std::uint8_t> coords = {0, 0, 0, 0, 0, 0x40, 0x48, 0x40,
                                              0, 0, 0, 0, 0, 0x80, 0x26, 0xC0};
    EXPECT_EQ(std::vector<std::uint8_t>(r, r + 16), coords);
    EXPECT_EQ(platform::GetText(r + 16, 128), u"+49170");
    for (std::size_t i = 16 + 12; i < 272; ++i) ASSERT_EQ(r[i], 0) << i;
    EXPECT_EQ(platform::GetText(r + 272, 41), std::u16string(40, u't'));  // 45 cut to 40
    EXPECT_EQ(r[352], 0);
    EXPECT_EQ(r[353], 0);
    const std::uint8_t* r2 = r + 354;
    EXPECT_EQ(platform::GetText(r2 + 16, 128), std::u16string(127, u's'));

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
    CPositionTextList good;
    good.AddPositionText(1, 2, u"a", u"b");
    const auto one = good.Save();
    auto twoAnnounced = one;
    twoAnnounced[4] = 2;
    auto hugeCount = one;
    platform::PutU32(hugeCount.data() + 4, 0xFFFFFFFFu);
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool ok;
        std::size_t count;
    } cases[] = {
        {"empty", {}, false, 0},
        {"short header", {0x11, 0x40, 0x37, 0xC8, 0}, false, 0},
        {"wrong magic", Header(0xC8374012u, 0), false, 0},
        {"count 0", Header(0xC8374011u, 0), true, 0},
        {"one record", one, true, 1},
        {"record one byte short", std::vector<std::uint8_t>(one.begin(), one.end() - 1), false, 0},
        {"second record missing", twoAnnounced, false, 0},
        {"huge count", hugeCount, false, 0},
    };
    for (const auto& c : cases) {
        CPositionTextList list;
        list.AddPositionText(0, 0, u"old", u"x");
        EXPECT_EQ(list.Load(c.bytes.data(), c.bytes.size()), c.ok) << c.what;
        EXPECT_EQ(list.GetCount(), c.count) << c.what;
        EXPECT_FALSE(list.IsModified()) << c.what;
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
