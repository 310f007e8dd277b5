#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "friends/PositionMessage.h"
#include "support/TempFolder.h"
#include "tools/CommandOutput.h"

namespace rq {
namespace {

using tooltest::JsonText;
using tooltest::kTool;

std::string ReadLine(std::FILE* pipe) {
    std::string line;
    for (int c = std::fgetc(pipe); c != EOF && c != '\n'; c = std::fgetc(pipe))
        line.push_back(static_cast<char>(c));
    return line;
}

// The first line the tool writes, standard error included.
std::string RunTool(const std::string& env, const std::string& args) {
    int status = 0;
    const auto lines =
        tooltest::CommandOutputLines(env + " '" + kTool + "' " + args + " 2>&1", status);
    return lines.empty() ? std::string() : lines[0];
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char buf[3];
    for (auto b : bytes) {
        std::snprintf(buf, sizeof buf, "%02x", b);
        out += buf;
    }
    return out;
}

// Two instances of the tool on 127.0.0.2 and 127.0.0.3, as two devices would be.
TEST(SmsCommands, TwoInstancesExchangeAllThreeKinds) {
    if (!tooltest::ToolBuilt()) GTEST_SKIP();
    test::TempFolder dir;
    const std::string env = "ROAMQUILL_REGISTRY='" + (dir / "registry.reg") + "'";
    std::filesystem::create_directories(dir / "data");
    std::FILE* listener =
        popen((env + " timeout 30 '" + kTool +
               "' sms-listen --bind 127.0.0.2 --count 3 --data-dir '" + (dir / "data") + "'")
                  .c_str(),
              "r");
    ASSERT_NE(listener, nullptr);
    ASSERT_NE(ReadLine(listener).find("\"listening\""), std::string::npos);

    auto send = [&](const std::string& args) {
        return RunTool(env, "sms-send --bind 127.0.0.3 --to 127.0.0.2 " + args);
    };
    const std::string sent[] = {
        send("--position 48.5,-11.25 --alt 519.5 --course 90.25 --speed 3.5 --hdop 1.25 "
             "--sats-view 12 --sats-used 7 --name Ann"),
        send("--text 'Meet here' --at 48.5,-11.25"), send("--poi Cafe --type 7 --at 48.5,-11.25")};
    for (const std::string& s : sent) ASSERT_EQ(JsonText(s, "event"), "sent") << s;
    // The bytes on the wire are the layouts, made at the time the sender stamped.
    const auto time = static_cast<platform::TimeValue>(std::stoll(JsonText(sent[0], "time")));
    EXPECT_EQ(
        JsonText(sent[0], "hex"),
        Hex(MakePositionMessage({48.5, -11.25, 519.5, 90.25, 3.5, 1.25, 12, 7}, u"Ann", time)));
    EXPECT_EQ(JsonText(sent[1], "hex"),
              Hex(MakePositionTextMessage(48.5, -11.25, u"Meet here",
                                          std::stoll(JsonText(sent[1], "time")))));
    EXPECT_EQ(JsonText(sent[2], "hex"),
              Hex(MakePoiMessage(48.5, -11.25, 7, u"Cafe", std::stoll(JsonText(sent[2], "time")))));

    const char* kinds[] = {"position", "position-text", "poi"};
    for (int i = 0; i < 3; ++i) {
        const std::string got = ReadLine(listener);
        EXPECT_EQ(JsonText(got, "kind"), kinds[i]) << got;
        EXPECT_EQ(JsonText(got, "from"), "127.0.0.3") << got;
        EXPECT_EQ(JsonText(got, "from_port"), "2000") << got;
        EXPECT_EQ(JsonText(got, "to_port"), "2001") << got;
        EXPECT_EQ(JsonText(got, "hex"), JsonText(sent[i], "hex")) << got;
        EXPECT_EQ(JsonText(got, "applied"), "true") << got;
    }
    EXPECT_EQ(pclose(listener), 0);
    // What arrived was kept in the data folder.
    EXPECT_TRUE(std::filesystem::exists(dir / "data/ftracks/127.0.0.3.trk"));
    EXPECT_TRUE(std::filesystem::exists(dir / "data/default.pxt"));
    EXPECT_TRUE(std::filesystem::exists(dir / "data/pois/received.poi"));

    EXPECT_NE(
        RunTool(env, "sms-send --bind 127.0.0.3 --to nobody --text x --at 1,2").find("failed"),
        std::string::npos);
    EXPECT_NE(send("--text x").find("--at"), std::string::npos);
}

}  // namespace
}  // namespace rq
