#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/AppTest.h"
#include "tools/CommandOutput.h"

namespace rq {
namespace {

// Runs "settings" over the registry file `registry`.
std::vector<std::string> RunTool(const std::string& registry, const std::string& args,
                                 int& status) {
    return tooltest::RunTool("settings " + args, status, "ROAMQUILL_REGISTRY='" + registry + "'");
}

TEST(SettingsCommand, EmptyRegistryAndSet) {
    if (!tooltest::ToolBuilt()) GTEST_SKIP();
    test::TempFolder folder;
    const std::string registry = folder.Path() + "registry.reg";
    int status = -1;
    std::vector<std::string> lines = RunTool(registry, "", status);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), 26u);
    int absent = 0;
    for (const std::string& line : lines) {
        EXPECT_NE(line.find("\"present\":false"), std::string::npos) << line;
        if (line.find("\"kind\":\"binary\"") != std::string::npos) {
            EXPECT_NE(line.find("\"default\":null"), std::string::npos) << line;
            ++absent;
        }
    }
    EXPECT_EQ(absent, 4);
    EXPECT_EQ(lines[1], R"({"name":"Boudrate","kind":"integer","present":false,"default":4800})");
    EXPECT_EQ(lines[8],
              R"({"name":"Log Play Speed","kind":"binary","present":false,"default":null})");

    lines = RunTool(registry, "--set 'Unit Mode=2' --set 'App Path=/opt/rq/'", status);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(
        lines[23],
        R"({"name":"App Path","kind":"text","present":true,"value":"/opt/rq/","default":""})");
    EXPECT_EQ(lines[24],
              R"({"name":"Unit Mode","kind":"integer","present":true,"value":2,"default":0})");

    for (const char* bad :
         {"--set 'Last Map Scale=1'", "--set Nope=1", "--set Port=x", "--set Port", "--bogus"}) {
        RunTool(registry, bad, status);
        EXPECT_NE(status, 0) << bad;
    }
}

}  // namespace
}  // namespace rq
