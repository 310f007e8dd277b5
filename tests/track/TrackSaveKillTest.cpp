// A save of "my.tk" killed at any moment leaves the old file or the new one, whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "platform/Files.h"
#include "support/TempFolder.h"
#include "track/TrackFile.h"

namespace rq {
namespace {

void FillTrack(CGpsTrackInfo& t, int points, double distance) {
    for (int i = 0; i < points; ++i) {
        CGpsTrackCoordinate p(i * 1e-5, 0);
        p.distance = distance;
        t.AddHead(p);
    }
}

TEST(TrackSaveKill, KilledSaveNeverLeavesATornFile) {
    test::TempFolder dir;
    test::ProgramFolderScope scope(dir.Path());
    CGpsTrackInfo a, b;
    FillTrack(a, 60000, 1);
    FillTrack(b, 90000, 2);
    ASSERT_TRUE(SaveTrack("tracks", "my.tk", a));
    const std::string path = dir.Path() + "tracks/my.tk";

    std::mt19937 random(42);
    for (int round = 0; round < 6; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) SaveTrack("tracks", "my.tk", (i % 2) ? a : b);
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 200));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        CGpsTrackInfo back;
        ASSERT_TRUE(LoadTrackFile(path, back)) << "round " << round;
        const std::size_t n = back.GetCount();
        EXPECT_TRUE(n == 60000 || n == 90000) << n;
        const double distance = n == 60000 ? 1 : 2;
        EXPECT_TRUE(std::all_of(back.Points().begin(), back.Points().end(),
                                [&](const auto& p) { return p.distance == distance; }))
            << "mixed content in round " << round;
    }
}

}  // namespace
}  // namespace rq
