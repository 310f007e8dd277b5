// "settings" over a registry file of its own: every setting with its kind and default,
// then with values set from the command line; what cannot be set is refused.
#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "tools/CommandOutput.h"

namespace rq {
namespace {

TEST(SettingsCommand, EmptyRegistryAndSet) {
    if (!tooltest::ToolBuilt()) GTEST_SKIP();
    test::TempFolder folder;
    const std::string env = "ROAMQUILL_REGISTRY='" + (folder / "registry.reg") + "'";
    int status = -1;
    EXPECT_EQ(tooltest::RunTool("settings", status, env),
              tooltest::ExpectedLines("settings-empty.jsonl"));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(
        tooltest::RunTool("settings --set 'Unit Mode=2' --set 'App Path=/opt/rq/'", status, env),
        tooltest::ExpectedLines("settings-set.jsonl"));
    EXPECT_EQ(status, 0);
    for (const char* bad :
         {"--set 'Last Map Scale=1'", "--set Nope=1", "--set Port=x", "--set Port", "--bogus"})
        EXPECT_TRUE(tooltest::Refused(std::string("settings ") + bad, env)) << bad;
}

}  // namespace
}  // namespace rq
