#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keepers/LogLineReader.h"
#include "platform/Text.h"
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
    const std::string longField(300, '7');
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"$A*00\r\n$B*00\r\n", {"$A*00", "$B*00"}},
        {"$A*00\n$B*00\n", {"$A*00", "$B*00"}},
        {"$A*00\r\n$B", {"$A*00", "$B"}},
        // The last line without LF keeps its CR.
        {"$A\r", {"$A\r"}},
        {"", {}},
        {"\n\n", {"", ""}},
        {"x\r\ry\r\n", {"xy"}},
        {"$GPGGA," + longField + "*00\r\n$B\r\n", {"$GPGGA," + longField + "*00", "$B"}},
        {std::string("$A\0hidden\r\n$B\r\n", 15), {"$A", "$B"}},
        {"\xB0\r\n", {"\xC2\xB0"}},
    };
    test::TempFolder dir;
    for (const Case& c : cases) {
        test::WriteText(dir / "log.nmea", c.bytes);
        EXPECT_EQ(ReadAll(dir / "log.nmea"), c.lines) << c.bytes;
    }
    // LF exactly at the end and just past the first 120-byte chunk.
    for (std::size_t n : {118u, 119u, 120u, 121u, 239u, 240u}) {
        const std::string first(n, 'a');
        test::WriteText(dir / "log.nmea", first + "\nsecond\n");
        EXPECT_EQ(ReadAll(dir / "log.nmea"), (std::vector<std::string>{first, "second"})) << n;
    }
}

TEST(LogLineReaderTest, Rewind) {
    test::TempFolder dir;
    const std::string path = dir / "rewind.nmea";
    test::WriteText(path, "one\ntwo\n");
    CLogLineReader reader;
    ASSERT_TRUE(reader.Open(path));
    std::u16string line;
    ASSERT_TRUE(reader.ReadLine(line));
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_FALSE(reader.ReadLine(line));
    ASSERT_TRUE(reader.Rewind());
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_EQ(line, u"one");
    reader.Close();
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_FALSE(reader.Open(path + ".missing"));
}

}  // namespace
}  // namespace rq
