#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "keepers/FileKeeper.h"
#include "platform/QueueWindow.h"
#include "support/CaseTable.h"
#include "support/Numbers.h"
#include "support/Sentence.h"
#include "support/TempFolder.h"

namespace rq {
namespace {

// A log of the given lines in a folder of its own; lines starting with 'G' get "$" and a checksum.
std::string WriteLog(const test::TempFolder& dir, const std::vector<std::string>& bodies,
                     const std::string& eol = "\r\n") {
    std::string text;
    for (const std::string& b : bodies)
        text += (b.empty() || b[0] != 'G' ? b : test::Sentence(b)) + eol;
    test::WriteText(dir / "log.nmea", text);
    return dir / "log.nmea";
}

std::string Gga(const std::string& time, const char* alt = "35.0") {
    return "GPGGA," + time + ",5130.1920,N,00009.1680,W,1,06,0.9," + alt + ",M,47.0,M,,";
}

struct Played {
    std::vector<double> altitudes;  // one per posted fix
    int ended = 0;
};

// Pumps the window until `done` holds or it stays silent for 5 s.
void Pump(platform::QueueWindow& window, Played& out, const std::function<bool()>& done) {
    auto take = [&](platform::WindowMessage& m) {
        if (const CGpsPosition* fix = PositionOf(m))
            out.altitudes.push_back(fix->altitude);
        else if (m.wParam == kPositionSourceEnded)
            ++out.ended;
    };
    while (!done() && window.PumpOne(take, 5000)) {
    }
}

// Starts `player` fast on the log, posting to `window`.
void StartFast(CFileKeeper& player, platform::QueueWindow& window, const std::string& path) {
    ASSERT_TRUE(player.Open(path)) << path;
    player.SetFast(true);
    player.AttachWindow(window.Handle());
    ASSERT_TRUE(player.Start(platform::kNoWindow, platform::ThreadPriority::BelowNormal));
}

TEST(FileKeeperTest, PostsOneFixPerSecondOfTheLog) {
    for (const auto& row : test::CaseTable("keepers/played_logs.txt")) {
        const test::TempFolder dir;
        platform::QueueWindow window;
        CFileKeeper player;
        player.SetSpeed(100.0f);
        StartFast(player, window, WriteLog(dir, {row.begin() + 2, row.end()}, row[1]));
        Played p;
        Pump(window, p, [&] { return p.ended > 0; });
        EXPECT_TRUE(player.Stop(5000));
        EXPECT_FALSE(player.IsOpen());
        std::istringstream altitudes(row[0]);
        EXPECT_EQ(p.altitudes, std::vector<double>(std::istream_iterator<double>(altitudes), {}))
            << row.back();
        EXPECT_EQ(p.ended, 1) << row.back();
    }
}

TEST(FileKeeperTest, RepeatStartsAgainWithoutEndingAndStoppingEndsIt) {
    const test::TempFolder dir;
    platform::QueueWindow window;
    CFileKeeper player;
    player.SetRepeat(true);
    EXPECT_TRUE(player.GetRepeat());
    StartFast(player, window, WriteLog(dir, {Gga("120000", "1"), Gga("120001", "2")}));
    Played out;
    Pump(window, out, [&] { return out.altitudes.size() >= 7; });
    EXPECT_EQ(out.ended, 0);
    ASSERT_GE(out.altitudes.size(), 7u);
    EXPECT_EQ(std::vector<double>(out.altitudes.begin(), out.altitudes.begin() + 5),
              (std::vector<double>{1, 2, 1, 2, 1}));
    EXPECT_TRUE(player.IsRunning());
    EXPECT_TRUE(player.Stop(5000));
    Pump(window, out, [&] { return out.ended > 0; });
    EXPECT_EQ(out.ended, 1);
}

TEST(FileKeeperTest, SpeedAndWaits) {
    for (const auto& row : test::CaseTable("keepers/play_waits.txt", '\t')) {
        const auto [factor, ms] = test::Numbers<2>(row[0]);
        EXPECT_EQ(CFileKeeper::WaitMsForSpeed(static_cast<float>(factor)), ms) << row[0];
    }
    CFileKeeper player;
    EXPECT_EQ(player.GetSpeed(), 1.0f);
    player.SetSpeed(8.0f);
    player.SetSpeed(0.0f);  // refused
    player.SetSpeed(-2.0f);
    EXPECT_EQ(player.GetSpeed(), 8.0f);

    // A speed change reaches a running player at its next wait, and a player in a
    // long wait stops at once.
    std::vector<std::string> seconds;
    for (int i = 0; i < 50; ++i) seconds.push_back(Gga("1200" + std::to_string(10 + i)));
    const test::TempFolder dir;
    const std::string path = WriteLog(dir, seconds);
    platform::QueueWindow window;
    player.AttachWindow(window.Handle());
    ASSERT_TRUE(player.Open(path));
    player.SetSpeed(100.0f);
    ASSERT_TRUE(player.Start(platform::kNoWindow, platform::ThreadPriority::BelowNormal));
    int fixes = 0;
    auto count = [&](platform::WindowMessage& m) { fixes += PositionOf(m) != nullptr; };
    while (fixes < 2 && window.PumpOne(count, 5000)) {
    }
    player.SetSpeed(1.0f / 3600.0f);  // an hour a second
    int before = fixes;
    while (window.PumpOne(count, 200)) {
    }
    EXPECT_LE(fixes - before, 1);  // the wait under way keeps the old speed
    EXPECT_TRUE(player.IsRunning());
    EXPECT_TRUE(player.Stop(2000));
    EXPECT_FALSE(player.IsRunning());
    EXPECT_FALSE(player.Open(path + ".missing"));
}

TEST(FileKeeperTest, DeletesItselfAtTheEnd) {
    const test::TempFolder dir;
    const std::string path = WriteLog(dir, {Gga("120000", "1"), Gga("120001", "2")});
    platform::QueueWindow window;
    for (int i = 0; i < 10; ++i) {
        // From the start on the player is the worker's; only its messages are looked at.
        StartFast(*new CFileKeeper(true), window, path);
        Played out;
        Pump(window, out, [&] { return out.ended > 0; });
        EXPECT_EQ(out.ended, 1);
    }
    platform::Sleep(50);  // the last worker may still be on its way out
}

}  // namespace
}  // namespace rq
