#include <gtest/gtest.h>

#include <string>

#include "app/StringTable.h"
#include "platform/Text.h"
#include "resources/EnglishStrings.h"
#include "support/CaseTable.h"

namespace rq {
namespace {

TEST(EnglishStrings, TextsAreExact) {
    const auto rows = test::CaseTable("cases/english-strings.txt");
    ASSERT_EQ(rows.size(), 22u);
    for (const auto& row : rows) {
        const auto id = static_cast<StringId>(std::stoul(row[0]));
        EXPECT_EQ(platform::ToUtf8(BuiltInString(id)), row[1]) << row[0];
        EXPECT_EQ(platform::ToUtf8(LoadResourceString(id)), row[1]) << row[0];
    }
}

TEST(EnglishStrings, SortedAndMissingIdsEmpty) {
    const resources::StringEntry* table = resources::EnglishStrings();
    const std::size_t count = resources::EnglishStringCount();
    ASSERT_GT(count, 100u);
    for (std::size_t i = 1; i < count; ++i) EXPECT_LT(table[i - 1].id, table[i].id) << i;
    for (std::size_t i = 0; i < count; ++i)
        EXPECT_EQ(BuiltInString(table[i].id), table[i].text) << i;
    // 235 exists on the device but is never shown; ids outside the table give empty text.
    for (std::uint32_t id : {0u, 1u, 99u, 167u, 235u, 999u, 57343u, 57345u, 0xFFFFFFFFu})
        EXPECT_TRUE(LoadResourceString(static_cast<StringId>(id)).empty()) << id;
}

}  // namespace
}  // namespace rq
