// Whole receiver logs and hostile input through the parser and the parse tool.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "nmea/Nmea0183.h"
#include "nmea/Sentence.h"
#include "platform/Text.h"

using namespace rq;

namespace {

const std::string kCorpus = RQ_SOURCE_DIR "/../shared/nmea-corpus";
const std::string kMalformed = RQ_SOURCE_DIR "/tests/data/malformed/nmea";

std::vector<std::string> FilesOf(const std::string& dir, const std::string& suffix) {
    std::vector<std::string> files;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name.size() > suffix.size() &&
                name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                files.push_back(dir + "/" + name);
        }
        closedir(d);
    }
    return files;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(NmeaCorpus, EveryLogParsesWithoutFault) {
    const std::vector<std::string> logs = FilesOf(kCorpus, ".nmea");
    if (logs.empty()) GTEST_SKIP() << "no corpus at " << kCorpus;
    int parsed = 0;
    int refused = 0;
    for (const std::string& log : logs) {
        NMEA0183 nmea;
        for (const std::string& line : Lines(ReadAll(log))) {
            nmea.SetSentence(platform::FromAnsi(line) + u"\r\n");
            if (nmea.Parse())
                ++parsed;
            else
                ++refused;
        }
    }
    // The corpus is mostly good sentences; a collapse here means a broken dispatcher.
    EXPECT_GT(parsed, 10 * refused);
}

// The field table and checksum of every corpus line against a plain character walk.
TEST(NmeaCorpus, FieldsAndChecksumsMatchAPlainSplit) {
    const std::vector<std::string> logs = FilesOf(kCorpus, ".nmea");
    if (logs.empty()) GTEST_SKIP() << "no corpus at " << kCorpus;
    for (const std::string& log : logs) {
        for (const std::string& line : Lines(ReadAll(log))) {
            const std::u16string text = platform::FromAnsi(line) + u"\r\n";
            SENTENCE s(text);
            std::vector<std::u16string> fields(1);
            unsigned char sum = 0;
            bool summing = true;
            for (std::size_t i = 1; i < text.size() && text[i] != u'\r' && text[i] != u'\n'; ++i) {
                if (text[i] == u'*') summing = false;
                if (summing) sum ^= static_cast<unsigned char>(text[i]);
                if (text[i] == u',' || text[i] == u'*')
                    fields.emplace_back();
                else
                    fields.back().push_back(text[i]);
            }
            ASSERT_EQ(s.FieldCount(), static_cast<int>(fields.size())) << line;
            for (std::size_t f = 0; f < fields.size(); ++f)
                ASSERT_EQ(s.Field(static_cast<int>(f)), fields[f]) << line;
            ASSERT_EQ(s.ComputeChecksum(), text.size() < 2 ? 0 : sum) << line;
        }
    }
}

TEST(NmeaCorpus, HostileInputNeitherCrashesNorHangs) {
    std::vector<std::string> inputs = {
        "",
        "no dollar at all",
        "$",
        "$*",
        "$,,,,*",
        "$GPGGA*",
        "$GP\x01\x02\xff\xfe\x80GGA,1,2,3",
        std::string("$GPRMC,\0\0\0,A,,,\0", 17),
        "$GPGSV" + std::string(10000, ','),
        "$GPGGA," + std::string(100000, '9'),
        "$GPGSA,A,3," + std::string(100000, '1') + ",0x" + std::string(5000, 'f'),
        "$GPRMC,999999,A,1e400,N,-1e400,W,nan,inf,999999,,*00",
        "$GPGSV,2147483647,-2147483648,-5,1,2,3,4",
        "$GPGSV,1,3,99999999999,1,2,3",
        "$PGRME" + std::string(5000, '*'),
        "$GPZDA,ab:cd:ef,99,99,99999",
    };
    for (const std::string& f : FilesOf(kMalformed, ".nmea")) inputs.push_back(ReadAll(f));
    NMEA0183 nmea;
    for (const std::string& input : inputs) {
        nmea.SetSentence(platform::FromAnsi(input) + u"\r\n");
        nmea.Parse();
        nmea.SetSentence(platform::FromAnsi(input));
        nmea.Parse();
    }
    SUCCEED();
}

TEST(NmeaCorpus, ParseToolWritesOneLinePerInputLine) {
    const std::string tool = RQ_BINARY_DIR "/roamquill-tool";
    struct stat st;
    if (stat(tool.c_str(), &st) != 0) GTEST_SKIP() << "no " << tool;
    std::vector<std::string> logs = FilesOf(kCorpus, ".nmea");
    // A line of NULs and a 100 000 character line count as one line each.
    const std::string odd = ::testing::TempDir() + "/rq_odd.nmea";
    {
        std::ofstream out(odd, std::ios::binary);
        out << std::string("$GP\0\0GGA,1\r\n", 12) << "$GPGGA," << std::string(100000, '5')
            << "\n\r\n\nlast line without end";
    }
    logs.push_back(odd);
    for (const std::string& log : logs) {
        const std::string bytes = ReadAll(log);
        const std::size_t expected = Lines(bytes).size();
        const std::string command = tool + " parse < '" + log + "'";
        FILE* p = popen(command.c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::size_t lines = 0;
        std::string first;
        char buffer[65536];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) {
            for (std::size_t i = 0; i < n; ++i) {
                if (buffer[i] == '\n') ++lines;
                if (lines == 0) first.push_back(buffer[i]);
            }
        }
        const int status = pclose(p);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << log;
        EXPECT_EQ(lines, expected) << log;
        EXPECT_EQ(first.rfind("{\"mnemonic\":", 0), 0u) << log << ": " << first.substr(0, 80);
    }
}

TEST(NmeaCorpus, ParseToolPrintsTheDecodedFix) {
    const std::string tool = RQ_BINARY_DIR "/roamquill-tool";
    struct stat st;
    if (stat(tool.c_str(), &st) != 0) GTEST_SKIP() << "no " << tool;
    const std::string input = ::testing::TempDir() + "/rq_fix.nmea";
    {
        std::ofstream out(input, std::ios::binary);
        out << "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
            << "$GPRMC,120316,V,4221.4394,N,01321.9948,E,000.0,000.0,150305,001.4,E\n"
            << "$GPXYZ,1\n";
    }
    FILE* p = popen((tool + " parse < '" + input + "'").c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
    pclose(p);
    const std::vector<std::string> lines = Lines(out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(
        lines[0].find("\"mnemonic\":\"GGA\",\"parsed\":true,\"error\":\"No Error\",\"talker\":"
                      "\"GP\",\"talker_name\":\"Global Positioning System (GPS)\""),
        std::string::npos)
        << lines[0];
    EXPECT_NE(lines[0].find("\"lat\":4807.038"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("\"time_text\":\"1980-01-01 12:35:19\""), std::string::npos)
        << lines[0];
    EXPECT_NE(lines[1].find("\"parsed\":false,\"error\":\"RMC, Missing Checksum\""),
              std::string::npos)
        << lines[1];
    EXPECT_NE(lines[2].find("\"error\":\"XYZ is an unknown type of sentence\""), std::string::npos)
        << lines[2];
}
