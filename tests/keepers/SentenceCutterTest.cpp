#include <gtest/gtest.h>

#include <string>

#include "keepers/SentenceCutter.h"
#include "platform/Text.h"
#include "support/CaseTable.h"

namespace rq {
namespace {

TEST(SentenceCutterTest, CutsFromDollarToLineEnd) {
    const auto rows = test::CaseTable("cases/sentence-cuts.txt");
    ASSERT_EQ(rows.size(), 10u);
    for (const auto& c : rows) {
        CSentenceCutter cutter;
        std::string got;
        for (std::size_t i = 2; i < c.size(); ++i) {
            cutter.Append(c[i].data(), c[i].size());
            for (std::u16string s; cutter.Cut(s);)
                got += (got.empty() ? "" : " ") + platform::ToUtf8(s);
        }
        EXPECT_EQ(got, c[0]) << c[2];
        EXPECT_EQ(platform::ToUtf8(cutter.Pending()), c[1]) << c[2];
    }
}

TEST(SentenceCutterTest, BoundsTextThatNeverEnds) {
    CSentenceCutter cutter;
    std::u16string s;
    std::string noise(1000, 'x');
    for (int i = 0; i < 20; ++i) {
        cutter.Append(noise.data(), noise.size());
        EXPECT_FALSE(cutter.Cut(s));
        EXPECT_TRUE(cutter.Pending().empty());
    }
    std::string start = "$" + std::string(CSentenceCutter::kMaxPending - 1, 'y');
    cutter.Append(start.data(), start.size());
    EXPECT_FALSE(cutter.Cut(s));
    EXPECT_EQ(cutter.Pending().size(), CSentenceCutter::kMaxPending);
    cutter.Append("z", 1);
    EXPECT_FALSE(cutter.Cut(s));
    EXPECT_TRUE(cutter.Pending().empty());
    // A sentence after the dropped text is cut as usual.
    const char good[] = "$GPGGA,1*00\r\n";
    cutter.Append(good, sizeof good - 1);
    ASSERT_TRUE(cutter.Cut(s));
    EXPECT_EQ(platform::ToUtf8(s), "$GPGGA,1*00");
}

}  // namespace
}  // namespace rq
