#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keepers/SentenceCutter.h"
#include "platform/Text.h"

namespace rq {
namespace {

std::vector<std::string> CutAll(CSentenceCutter& cutter) {
    std::vector<std::string> out;
    std::u16string s;
    while (cutter.Cut(s)) out.push_back(platform::ToUtf8(s));
    return out;
}

TEST(SentenceCutterTest, CutsFromDollarToLineEnd) {
    struct Case {
        std::vector<std::string> polls;  // byte chunks fed one after another
        std::vector<std::string> sentences;
        std::string pending;  // left in the buffer afterwards
    };
    const Case cases[] = {
        {{"$GPGGA,1*00\r\n"}, {"$GPGGA,1*00"}, ""},
        {{"$GPGGA,1*00\r\n$GPRMC,2*00\r\n"}, {"$GPGGA,1*00", "$GPRMC,2*00"}, ""},
        {{"$GPGGA,12", "3*00\r\n"}, {"$GPGGA,123*00"}, ""},
        {{"junk before$GPGSA*00\r\n"}, {"$GPGSA*00"}, ""},
        {{"$A\n$B\r"}, {"$A", "$B"}, ""},
        {{"$A\r\n\r\n\r\n$B"}, {"$A"}, "$B"},
        {{"no dollar at all\r\n"}, {}, ""},
        // Only the text from the last "$" can still become a sentence.
        {{"$GPGGA,trunc$GPRMC,part"}, {}, "$GPRMC,part"},
        {{"$A", "$B", "\r\n"}, {"$B"}, ""},
        // A zero byte ends what a poll gives.
        {{std::string("$GP\0GGA\r\n", 9), "X\r\n"}, {"$GPX"}, ""},
    };
    for (const Case& c : cases) {
        CSentenceCutter cutter;
        std::vector<std::string> got;
        for (const std::string& poll : c.polls) {
            cutter.Append(poll.data(), poll.size());
            for (std::string& s : CutAll(cutter)) got.push_back(s);
        }
        std::string label = c.polls.front();
        EXPECT_EQ(got, c.sentences) << label;
        EXPECT_EQ(platform::ToUtf8(cutter.Pending()), c.pending) << label;
    }
}

TEST(SentenceCutterTest, BoundsTextThatNeverEnds) {
    CSentenceCutter cutter;
    std::string noise(1000, 'x');
    for (int i = 0; i < 20; ++i) {
        cutter.Append(noise.data(), noise.size());
        std::u16string s;
        EXPECT_FALSE(cutter.Cut(s));
        EXPECT_TRUE(cutter.Pending().empty());
    }
    std::string start = "$" + std::string(CSentenceCutter::kMaxPending - 1, 'y');
    cutter.Append(start.data(), start.size());
    std::u16string s;
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
