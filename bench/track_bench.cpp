// Recording at the length limit, and saving and loading a track of 99999 points, each
// beside a floor: copying the same number of bytes in memory (and to and from a file).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/Files.h"
#include "track/TrackFile.h"
#include "view/GpsViewData.h"
#include "view/NewFix.h"

namespace {

constexpr int kLimit = 99999;
constexpr double kMetresPerDegree = 111200.162632;

rq::CGpsPosition Fix(double lat, double lon) {
    rq::CGpsPosition fix;
    fix.Reset();
    fix.m_lat.Set(lat);
    fix.m_lon.Set(lon);
    fix.hdop = fix.vdop = fix.pdop = 1;
    fix.fixMode = 3;
    fix.gpsQuality = 1;
    fix.changedMask = 3;
    fix.speed = 3;
    return fix;
}

// A zig-zag keeps every point, so after the warm-up every fix adds one point, drops
// the oldest and runs the turning-angle filter.
rq::CGpsPosition ZigZag(long i) {
    return Fix(static_cast<double>(i % 100000) * 10 / kMetresPerDegree, (i % 2) * 0.001);
}

void BM_OnNewFixAtLimit(benchmark::State& state) {
    rq::CGpsViewData data;
    const rq::CRecordingSettings settings{10, 0, kLimit};
    long i = 0;
    for (; i < kLimit + 10; ++i) rq::OnNewFix(data, ZigZag(i), settings, nullptr);
    for (auto _ : state) {
        rq::OnNewFix(data, ZigZag(i++), settings, nullptr);
    }
    if (data.track.GetCount() != static_cast<std::size_t>(kLimit))
        state.SkipWithError("not at limit");
}
BENCHMARK(BM_OnNewFixAtLimit);

// Floor for one fix: copying the fix record.
void BM_FixCopyFloor(benchmark::State& state) {
    rq::CGpsPosition a = ZigZag(1), b;
    for (auto _ : state) {
        b = a;
        benchmark::DoNotOptimize(b);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FixCopyFloor);

struct LongTrack {
    LongTrack() {
        for (int i = 0; i < kLimit; ++i) {
            rq::CGpsTrackCoordinate p(i * 1e-5, (i % 2) * 1e-5);
            p.distance = i;
            track.AddHead(p);
        }
        folder =
            std::filesystem::temp_directory_path() / ("rq-track-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        path = (folder / "my.tk").string();
        bytes = rq::EncodeTrack(track);
    }
    ~LongTrack() { std::filesystem::remove_all(folder); }
    rq::CGpsTrackInfo track;
    std::filesystem::path folder;
    std::string path;
    std::vector<std::uint8_t> bytes;
};

LongTrack& Long() {
    static LongTrack t;
    return t;
}

void BM_SaveTrack99999(benchmark::State& state) {
    LongTrack& t = Long();
    for (auto _ : state)
        if (!rq::SaveTrackFile(t.path, t.track)) state.SkipWithError("save failed");
    state.SetBytesProcessed(state.iterations() * static_cast<long>(t.bytes.size()));
}
BENCHMARK(BM_SaveTrack99999)->Unit(benchmark::kMillisecond);

// Floor: the same bytes written through the same temporary-file-and-rename path.
void BM_SaveFloor(benchmark::State& state) {
    LongTrack& t = Long();
    const std::string path = (t.folder / "floor.tk").string();
    for (auto _ : state)
        if (!rq::platform::WriteFileAtomically(path, t.bytes.data(), t.bytes.size()))
            state.SkipWithError("write failed");
    state.SetBytesProcessed(state.iterations() * static_cast<long>(t.bytes.size()));
}
BENCHMARK(BM_SaveFloor)->Unit(benchmark::kMillisecond);

void BM_LoadTrack99999(benchmark::State& state) {
    LongTrack& t = Long();
    rq::SaveTrackFile(t.path, t.track);
    rq::CGpsTrackInfo back;
    for (auto _ : state)
        if (!rq::LoadTrackFile(t.path, back)) state.SkipWithError("load failed");
    state.SetBytesProcessed(state.iterations() * static_cast<long>(t.bytes.size()));
}
BENCHMARK(BM_LoadTrack99999)->Unit(benchmark::kMillisecond);

// The same file into a fresh track each time: the block is made once for all points.
void BM_FirstLoadTrack99999(benchmark::State& state) {
    LongTrack& t = Long();
    rq::SaveTrackFile(t.path, t.track);
    for (auto _ : state) {
        rq::CGpsTrackInfo fresh;
        if (!rq::LoadTrackFile(t.path, fresh)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(fresh.GetCount());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(t.bytes.size()));
}
BENCHMARK(BM_FirstLoadTrack99999)->Unit(benchmark::kMillisecond);

// Floor: reading the same file whole into memory.
void BM_LoadFloor(benchmark::State& state) {
    LongTrack& t = Long();
    rq::SaveTrackFile(t.path, t.track);
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        if (!rq::platform::ReadWholeFile(t.path, bytes)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(t.bytes.size()));
}
BENCHMARK(BM_LoadFloor)->Unit(benchmark::kMillisecond);

// Floor: copying the bytes in memory.
void BM_MemcpyFloor(benchmark::State& state) {
    LongTrack& t = Long();
    std::vector<std::uint8_t> copy(t.bytes.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), t.bytes.data(), t.bytes.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(t.bytes.size()));
}
BENCHMARK(BM_MemcpyFloor)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
