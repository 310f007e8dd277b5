#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "keepers/LogLineReader.h"
#include "platform/Text.h"

namespace rq {
namespace {

std::string TempPath(const char* name) {
    return std::string(::testing::TempDir()) + "rq_lines_" + std::to_string(::getpid()) + "_" +
           name;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

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
    int i = 0;
    for (const Case& c : cases) {
        std::string path = TempPath(("case" + std::to_string(i++)).c_str());
        WriteBytes(path, c.bytes);
        EXPECT_EQ(ReadAll(path), c.lines) << c.bytes;
        std::remove(path.c_str());
    }
}

TEST(LogLineReaderTest, ChunkBoundaryAndRewind) {
    // LF exactly at the end and just past the first 120-byte chunk.
    for (std::size_t n : {118u, 119u, 120u, 121u, 239u, 240u}) {
        std::string first(n, 'a');
        std::string path = TempPath("boundary");
        WriteBytes(path, first + "\n" + "second\n");
        EXPECT_EQ(ReadAll(path), (std::vector<std::string>{first, "second"})) << n;
        std::remove(path.c_str());
    }
    std::string path = TempPath("rewind");
    WriteBytes(path, "one\ntwo\n");
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
    std::remove(path.c_str());
}

}  // namespace
}  // namespace rq
