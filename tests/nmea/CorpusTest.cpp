// Whole receiver logs and hostile input through the parser and the parse tool.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "geo/Unset.h"
#include "nmea/Nmea0183.h"
#include "nmea/NumberScan.h"
#include "nmea/Sentence.h"
#include "platform/Text.h"
#include "support/TempFolder.h"
#include "tools/CommandOutput.h"

using namespace rq;

namespace {

const std::string kCorpus = RQ_SOURCE_DIR "/../shared/nmea-corpus";
const std::string kMalformed = RQ_SOURCE_DIR "/tests/data/malformed/nmea";

std::vector<std::string> FilesOf(const std::string& dir, const std::string& extension) {
    std::vector<std::string> files;
    std::error_code ignored;
    for (const auto& e : std::filesystem::directory_iterator(dir, ignored))
        if (e.path().extension() == extension) files.push_back(e.path().string());
    return files;
}

// Lines ended by LF, a CR before it dropped; a last line without LF counts.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The port's bytes indexed as they come give the sentence their text gives.
void ExpectSameAsText(const std::string& bytes) {
    SENTENCE text(platform::FromAnsi(bytes) + u"\r\n");
    SENTENCE fromBytes;
    fromBytes.AssignAnsiLine(bytes);
    ASSERT_EQ(fromBytes.Text(), text.Text()) << bytes;
    ASSERT_EQ(fromBytes.FieldCount(), text.FieldCount()) << bytes;
    for (int f = 0; f < text.FieldCount(); ++f)
        ASSERT_EQ(fromBytes.Field(f), text.Field(f)) << bytes;
    ASSERT_EQ(fromBytes.ComputeChecksum(), text.ComputeChecksum()) << bytes;
    ASSERT_EQ(fromBytes.ChecksumField(), text.ChecksumField()) << bytes;
    ASSERT_EQ(fromBytes.IsChecksumBad(0), text.IsChecksumBad(0)) << bytes;
}

}  // namespace

// Every corpus line parses or is refused cleanly, and its field table and checksum
// agree with a plain character walk.
TEST(NmeaCorpus, EveryLogParsesAndSplitsAsAPlainWalkDoes) {
    const std::vector<std::string> logs = FilesOf(kCorpus, ".nmea");
    if (logs.empty()) GTEST_SKIP() << "no corpus at " << kCorpus;
    int parsed = 0, refused = 0;
    NMEA0183 nmea;
    for (const std::string& log : logs) {
        for (const std::string& line : Lines(test::ReadText(log))) {
            const std::u16string text = platform::FromAnsi(line) + u"\r\n";
            nmea.SetSentence(text);
            ++(nmea.Parse() ? parsed : refused);
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
            for (std::size_t f = 0; f < fields.size(); ++f) {
                ASSERT_EQ(s.Field(static_cast<int>(f)), fields[f]) << line;
                // The readers' shortcuts agree bit for bit with the general readers.
                double general;
                if (!nmea::ScanDouble(fields[f], general)) general = kUnset;
                const double fast = s.Double(static_cast<int>(f));
                ASSERT_EQ(std::memcmp(&fast, &general, sizeof fast), 0) << line;
                ASSERT_EQ(s.Integer(static_cast<int>(f)), nmea::ScanInteger(fields[f])) << line;
            }
            ASSERT_EQ(s.ComputeChecksum(), text.size() < 2 ? 0 : sum) << line;
            ExpectSameAsText(line);
        }
    }
    // The corpus is mostly good sentences; a collapse here means a broken dispatcher.
    EXPECT_GT(parsed, 10 * refused);
}

// Each file of tests/data/malformed/nmea (high bytes that widen to code units whose low
// byte is another, empty lines, CR and LF inside a line...) whole and line by line, with
// and without CR LF, and as the port's bytes, which must index as their text does.
TEST(NmeaCorpus, HostileInputNeitherCrashesNorHangs) {
    std::vector<std::string> inputs = {
        "$GPGSV" + std::string(10000, ','),
        "$GPGGA," + std::string(100000, '9'),
        "$GPGSA,A,3," + std::string(100000, '1') + ",0x" + std::string(5000, 'f'),
        "$PGRME" + std::string(5000, '*'),
    };
    const std::vector<std::string> files = FilesOf(kMalformed, ".nmea");
    ASSERT_FALSE(files.empty());
    for (const std::string& f : files) {
        inputs.push_back(test::ReadText(f));
        for (const std::string& line : Lines(inputs.back())) inputs.push_back(line);
    }
    NMEA0183 nmea;
    for (const std::string& input : inputs) {
        nmea.SetSentence(platform::FromAnsi(input) + u"\r\n");
        nmea.Parse();
        nmea.SetSentence(platform::FromAnsi(input));
        nmea.Parse();
        ExpectSameAsText(input);
    }
}

// One JSON object per input line, for every corpus log and for odd lines: NULs, 100 000
// characters, blank lines, a last line without an end.
TEST(NmeaCorpus, ParseToolWritesOneObjectPerLine) {
    if (!rq::tooltest::ToolBuilt()) GTEST_SKIP() << "no " << rq::tooltest::kTool;
    std::vector<std::string> logs = FilesOf(kCorpus, ".nmea");
    const test::TempFolder dir;
    const std::string odd = dir / "odd.nmea";
    std::ofstream(odd, std::ios::binary)
        << "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
        << "$GPRMC,120316,V,4221.4394,N,01321.9948,E,000.0,000.0,150305,001.4,E\n"
        << "$GPXYZ,1\n"
        << std::string("$GP\0\0GGA,1\r\n", 12) << "$GPGGA," << std::string(100000, '5')
        << "\n\r\n\nlast line without end";
    logs.push_back(odd);
    for (const std::string& log : logs) {
        int status = -1;
        const auto lines = rq::tooltest::CommandOutputLines(
            rq::tooltest::kTool + " parse < '" + log + "'", status);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << log;
        ASSERT_EQ(lines.size(), Lines(test::ReadText(log)).size()) << log;
        for (const std::string& line : lines)
            ASSERT_EQ(line.rfind("{\"mnemonic\":", 0), 0u) << log << ": " << line.substr(0, 80);
        if (log != odd) continue;
        const char* expected[3] = {
            "\"mnemonic\":\"GGA\",\"parsed\":true,\"error\":\"No Error\",\"talker\":\"GP\","
            "\"talker_name\":\"Global Positioning System (GPS)\"",
            "\"parsed\":false,\"error\":\"RMC, Missing Checksum\"",
            "\"error\":\"XYZ is an unknown type of sentence\""};
        for (int i = 0; i < 3; ++i) EXPECT_NE(lines[i].find(expected[i]), std::string::npos);
        EXPECT_NE(lines[0].find("\"lat\":4807.038"), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].find("\"time_text\":\"1980-01-01 12:35:19\""), std::string::npos);
    }
}
