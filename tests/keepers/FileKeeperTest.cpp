#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "keepers/FileKeeper.h"
#include "platform/QueueWindow.h"
#include "support/Sentence.h"
#include "support/TempFolder.h"

namespace rq {
namespace {

using test::Sentence;

// A log of the given lines in a folder of its own; lines starting with 'G' get "$" and a checksum.
std::string WriteLog(const test::TempFolder& dir, const std::vector<std::string>& bodies,
                     const std::string& eol = "\r\n") {
    std::string text;
    for (const std::string& b : bodies) text += (b.empty() || b[0] != 'G' ? b : Sentence(b)) + eol;
    test::WriteText(dir / "log.nmea", text);
    return dir / "log.nmea";
}

std::string Gga(const char* time, const char* alt = "35.0") {
    return std::string("GPGGA,") + time + ",5130.1920,N,00009.1680,W,1,06,0.9," + alt +
           ",M,47.0,M,,";
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

// Plays the log fast to its end and collects what the window received.
Played Play(const std::string& path) {
    platform::QueueWindow window;
    CFileKeeper player;
    Played out;
    EXPECT_TRUE(player.Open(path)) << path;
    player.SetFast(true);
    player.SetSpeed(100.0f);
    player.AttachWindow(window.Handle());
    EXPECT_TRUE(player.Start(platform::kNoWindow, platform::ThreadPriority::BelowNormal));
    Pump(window, out, [&] { return out.ended > 0; });
    EXPECT_TRUE(player.Stop(5000));
    EXPECT_FALSE(player.IsOpen());
    return out;
}

TEST(FileKeeperTest, PostsOneFixPerSecondOfTheLog) {
    const std::vector<std::string> log = {
        "GPGSA,A,3,03,12,,,,,,,,,,,1.7,0.9,1.4",
        Gga("140509", "1"),
        "GPRMC,140509,A,5130.1920,N,00009.1680,W,2.72,70.0,150308,2.5,W",
        "GPGSV,1,1,01,03,62,110,44",
        Gga("140510", "2"),
        Gga("140510", "3"),  // same second: no post between
        "garbage line",
        "GPGGA,140511,bad*00",  // bad checksum: skipped
        Gga("235959", "4"),
        Gga("000000", "5"),  // the clock wraps: a new second
        "GPVTG,71.0,T,73.5,M,2.72,N,5.04,K",
    };
    struct Variant {
        const char* name;
        std::string eol;
    } variants[] = {{"crlf", "\r\n"}, {"lf", "\n"}};
    for (const Variant& v : variants) {
        const test::TempFolder dir;
        Played p = Play(WriteLog(dir, log, v.eol));
        // Each post carries its own second, the last one included.
        EXPECT_EQ(p.altitudes, (std::vector<double>{1, 3, 4, 5})) << v.name;
        EXPECT_EQ(p.ended, 1) << v.name;
    }

    // Logs starting near time 0 post once per distinct second all the same; logs
    // without a fix post nothing but still end.
    const std::pair<std::vector<std::string>, std::vector<double>> shortLogs[] = {
        {{Gga("000000.00", "1"), Gga("000000.00", "2"), Gga("000001.00", "3"), Gga("000002", "4")},
         {2, 3, 4}},
        {{Gga("000000.50", "2"), Gga("000001.50", "3"), Gga("000002.50", "4")}, {2, 3, 4}},
        {{Gga("000000.89", "2"), Gga("000001.89", "3"), Gga("000002.89", "4")}, {2, 3, 4}},
        {{"GPGSA,A,3,03,12,,,,,,,,,,,1.7,0.9,1.4", "GPGSV,1,1,01,03,62,110,44",
          "GPVTG,71.0,T,,M,,N,,K"},
         {}},
        {{}, {}}};
    for (const auto& [bodies, expected] : shortLogs) {
        const test::TempFolder dir;
        const Played p = Play(WriteLog(dir, bodies));
        EXPECT_EQ(p.altitudes, expected) << (bodies.empty() ? "empty" : bodies[0]);
        EXPECT_EQ(p.ended, 1);
    }
}

TEST(FileKeeperTest, RepeatStartsAgainWithoutEnding) {
    const test::TempFolder dir;
    platform::QueueWindow window;
    CFileKeeper player;
    ASSERT_TRUE(player.Open(WriteLog(dir, {Gga("120000", "1"), Gga("120001", "2")})));
    player.SetFast(true);
    player.SetRepeat(true);
    EXPECT_TRUE(player.GetRepeat());
    player.AttachWindow(window.Handle());
    ASSERT_TRUE(player.Start(platform::kNoWindow, platform::ThreadPriority::BelowNormal));
    Played out;
    Pump(window, out, [&] { return out.altitudes.size() >= 7; });
    EXPECT_EQ(out.ended, 0);
    ASSERT_GE(out.altitudes.size(), 7u);
    EXPECT_EQ(std::vector<double>(out.altitudes.begin(), out.altitudes.begin() + 5),
              (std::vector<double>{1, 2, 1, 2, 1}));
    EXPECT_TRUE(player.IsRunning());
    EXPECT_TRUE(player.Stop(5000));
    // Stopping ends the playback with code 3.
    Pump(window, out, [&] { return out.ended > 0; });
    EXPECT_EQ(out.ended, 1);
}

TEST(FileKeeperTest, SpeedAndWaits) {
    // 32 is truncated. A damaged stored factor may be tiny but positive: its wait is the
    // longest a tick count holds, never a wrapped or zero one.
    const std::uint32_t longest = platform::kInfinite - 1;
    const struct {
        float factor;
        std::uint32_t ms;
    } waits[] = {{1.0f, 1000},     {2.0f, 500},       {32.0f, 31},      {100.0f, 10},
                 {1e-7f, longest}, {1e-30f, longest}, {1e-45f, longest}};
    for (const auto& [factor, ms] : waits)
        EXPECT_EQ(CFileKeeper::WaitMsForSpeed(factor), ms) << factor;
    CFileKeeper player;
    EXPECT_EQ(player.GetSpeed(), 1.0f);
    player.SetSpeed(8.0f);
    player.SetSpeed(0.0f);  // refused
    player.SetSpeed(-2.0f);
    EXPECT_EQ(player.GetSpeed(), 8.0f);

    // A speed change reaches a running player at its next wait, and a player in a
    // long wait stops at once.
    std::vector<std::string> seconds;
    for (int i = 0; i < 50; ++i) {
        char t[8];
        std::snprintf(t, sizeof t, "1200%02d", i);
        seconds.push_back(Gga(t));
    }
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
        auto* player = new CFileKeeper(true);
        ASSERT_TRUE(player->Open(path));
        player->SetFast(true);
        player->AttachWindow(window.Handle());
        ASSERT_TRUE(player->Start(platform::kNoWindow, platform::ThreadPriority::BelowNormal));
        // From here on the player is the worker's; only its messages are looked at.
        Played out;
        Pump(window, out, [&] { return out.ended > 0; });
        EXPECT_EQ(out.ended, 1);
    }
    // The last worker may still be on its way out.
    platform::Sleep(50);
}

}  // namespace
}  // namespace rq
