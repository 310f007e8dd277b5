#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keepers/LogLineReader.h"
#include "platform/Text.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace rq {
namespace {

std::vector<std::string> ReadAll(const std::string& path) {
    CLogLineReader reader;
    std::vector<std::string> lines;
    if (!reader.Open(path)) return {"<cannot open>"};
    std::u16string line;
    while (reader.ReadLine(line)) lines.push_back(platform::ToUtf8(line));
    return lines;
}

TEST(LogLineReaderTest, ReadsLinesAsRecorded) {
    const test::TempFolder dir;
    const std::string path = dir / "log.nmea";
    for (const auto& row : test::CaseTable("keepers/log_lines.txt")) {
        test::WriteText(path, row[0]);
        EXPECT_EQ(ReadAll(path), std::vector<std::string>(row.begin() + 1, row.end())) << row[0];
    }
    test::WriteText(path, "");
    EXPECT_EQ(ReadAll(path), std::vector<std::string>{});
    // The line end just before, at and past the end of the first 120-byte chunks.
    for (const char* eol : {"\n", "\r\n"}) {
        for (std::size_t n : {118u, 119u, 120u, 121u, 239u, 240u, 307u}) {
            const std::string first(n, 'a');
            test::WriteText(path, first + eol + "second" + eol);
            EXPECT_EQ(ReadAll(path), (std::vector<std::string>{first, "second"})) << n << eol;
        }
    }
    // A closed reader reads nothing more.
    CLogLineReader reader;
    std::u16string line;
    ASSERT_TRUE(reader.Open(path) && reader.ReadLine(line));
    reader.Close();
    EXPECT_FALSE(reader.ReadLine(line));
}

}  // namespace
}  // namespace rq
