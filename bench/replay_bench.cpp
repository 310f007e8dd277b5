// The log player's pacing: one wait of 1000 / speed ms between two fix seconds.
// Each iteration plays a log of two seconds (one wait) through the real player and a
// window, from Start to the end notification; the time shown is per wait.
//   build/replay_bench  ->  Pacing/1 about 1000 ms, Pacing/100 about 10 ms
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "keepers/FileKeeper.h"
#include "platform/QueueWindow.h"

namespace {

std::string Sentence(const std::string& body) {
    unsigned sum = 0;
    for (unsigned char c : body) sum ^= c;
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X", sum);
    return "$" + body + tail + "\r\n";
}

std::string TwoSecondLog() {
    std::string path = "/tmp/rq_replay_bench_" + std::to_string(::getpid()) + ".nmea";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    for (const char* t : {"140509", "140510"}) {
        std::string s = Sentence(std::string("GPGGA,") + t +
                                 ",5130.1920,N,00009.1680,W,1,06,0.9,35.0,M,47.0,M,,");
        std::fwrite(s.data(), 1, s.size(), f);
    }
    std::fclose(f);
    return path;
}

void Pacing(benchmark::State& state) {
    const float speed = static_cast<float>(state.range(0));
    const std::string path = TwoSecondLog();
    rq::platform::QueueWindow window;
    rq::CFileKeeper player;
    player.AttachWindow(window.Handle());
    for (auto _ : state) {
        player.Open(path);
        player.SetSpeed(speed);
        auto begin = std::chrono::steady_clock::now();
        player.Start(rq::platform::kNoWindow, rq::platform::ThreadPriority::BelowNormal);
        bool ended = false;
        while (!ended)
            window.PumpOne(
                [&](rq::platform::WindowMessage& m) {
                    ended = m.wParam == rq::kPositionSourceEnded;
                },
                5000);
        auto end = std::chrono::steady_clock::now();
        player.Stop(5000);
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
    }
    state.counters["expected_ms"] = rq::CFileKeeper::WaitMsForSpeed(speed);
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(Pacing)->Arg(1)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Pacing)->Arg(100)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
