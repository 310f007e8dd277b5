#include <gtest/gtest.h>

#include <sstream>

#include "app/CommandLine.h"
#include "support/CaseTable.h"

namespace rq {
namespace {

// Everything a parse gives, or "error" for refused arguments.
std::string Describe(const CommandLine& line) {
    if (!line.error.empty()) return "error";
    std::ostringstream out;
    out << "dir=" << line.dataDir << " screen=" << line.screenWidth << "x" << line.screenHeight
        << " help=" << line.help << " replay=" << line.replay << " speed=" << line.speed
        << " shot=" << line.screenshot << " after=" << line.screenshotAfterMs
        << " quit=" << line.quitAfterMs;
    return out.str();
}

TEST(CommandLine, ArgumentsFromTheCaseTable) {
    const auto rows = test::CaseTable("cases/command-lines.txt");
    ASSERT_EQ(rows.size(), 28u);
    for (const auto& row : rows) {
        std::vector<std::string> args;
        std::istringstream words(row[0]);
        for (std::string word; words >> word;) args.push_back(word == "\"\"" ? "" : word);
        EXPECT_EQ(Describe(ParseCommandLine(args)), row[1]) << row[0];
    }
}

}  // namespace
}  // namespace rq
