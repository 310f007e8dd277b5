#include <gtest/gtest.h>

#include "friends/FriendList.h"
#include "platform/Text.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace rq {
namespace {

std::vector<std::uint8_t> Utf16(std::u16string_view text) {
    std::vector<std::uint8_t> out;
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return out;
}

std::string Describe(const CFriendList& list) {
    std::string s;
    for (std::size_t i = 0; i < list.GetCount(); ++i) {
        const CFriendInfo* f = list.GetAt(i);
        s += "[" + platform::ToUtf8(f->number) + "," + platform::ToUtf8(f->name) + "," +
             (f->selected ? "x" : "-") + "]";
    }
    return s;
}

TEST(FriendList, ParsesLinesByTheFileRules) {
    const auto cases = test::CaseTable("cases/friend-list-lines.txt");
    ASSERT_EQ(cases.size(), 20u);
    for (const auto& c : cases) {
        CFriendList list;
        list.AddFriend(u"old", u"friend");  // replaced by what is read
        auto bytes = Utf16(platform::FromUtf8(c[0]));
        list.ParseFile(bytes.data(), bytes.size());
        EXPECT_EQ(Describe(list), c[1]) << c[0];
    }
    // A stray odd byte at the end is not a code unit.
    CFriendList list;
    auto bytes = Utf16(u"1;A;checked");
    bytes.push_back(0x41);
    list.ParseFile(bytes.data(), bytes.size());
    EXPECT_EQ(Describe(list), "[1,A,x]");
}

TEST(FriendList, DeletesTheFirstFriendWithTheNumber) {
    CFriendList list;
    list.AddFriend(u"1", u"A");
    CFriendInfo* b = list.AddFriend(u"2", u"B", true);
    list.AddFriend(u"2", u"C", true);
    EXPECT_EQ(list.SelectedFriends(), (std::vector<CFriendInfo*>{b, list.GetAt(2)}));
    EXPECT_TRUE(list.DeleteFriend(u"2"));
    EXPECT_EQ(Describe(list), "[1,A,-][2,C,x]");
    EXPECT_FALSE(list.DeleteFriend(u"3"));
    EXPECT_FALSE(list.DeleteFriend(u" 1"));
    EXPECT_EQ(list.GetAt(5), nullptr);
}

TEST(FriendList, LoadAndSaveTheFile) {
    test::TempFolder dir;
    const std::string path = dir / "friends.ini";
    CFriendList list;
    list.AddFriend(u"keep", u"me");
    EXPECT_FALSE(list.Load(path));  // missing file: list unchanged
    EXPECT_EQ(list.GetCount(), 1u);

    auto asText = [](std::u16string_view t) {
        auto b = Utf16(t);
        return std::string(b.begin(), b.end());
    };
    test::WriteText(path, asText(u"01;A;checked\r\n"));
    EXPECT_TRUE(list.Load(path));
    EXPECT_EQ(Describe(list), "[01,A,x]");

    list.AddFriend(u"+4902", u"");  // one line a friend, read back as written
    ASSERT_TRUE(list.Save(path));
    EXPECT_EQ(test::ReadText(path), asText(u"01;A;checked\n+4902;;unchecked\n"));
    CFriendList back;
    ASSERT_TRUE(back.Load(path));
    EXPECT_EQ(Describe(back), Describe(list));
    // A save that cannot happen leaves the previous file whole.
    const std::string before = test::ReadText(path);
    EXPECT_FALSE(list.Save(dir / "no-such-folder/friends.ini"));
    EXPECT_EQ(test::ReadText(path), before);
    CFriendList().Save(path);
    EXPECT_EQ(test::ReadText(path), "");
}

}  // namespace
}  // namespace rq
