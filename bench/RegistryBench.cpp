// What write-through costs: every setter rewrites and syncs the whole file, so the exit
// batch of a dozen values pays a dozen syncs. Reads are in memory.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "platform/Registry.h"

using namespace rq::platform;

namespace {

constexpr std::u16string_view kGps = u"HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\GPS";

std::string ScratchFile() {
    std::string dir = (std::filesystem::temp_directory_path() / "rq-bench-XXXXXX").string();
    return ::mkdtemp(dir.data()) != nullptr ? dir + "/registry.reg" : "registry.reg";
}

void FillSettings(RegistryStore& store) {
    for (int i = 0; i < 25; ++i) {
        store.SetInteger(kGps, u"Value " + std::u16string(1, static_cast<char16_t>(u'A' + i)), i);
    }
}

void BM_SetIntegerWriteThrough(benchmark::State& state) {
    const std::string file = ScratchFile();
    RegistryStore store(file);
    FillSettings(store);
    std::uint32_t n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(store.SetInteger(kGps, u"Last View", ++n));
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
}
BENCHMARK(BM_SetIntegerWriteThrough)->Unit(benchmark::kMicrosecond);

void BM_GetValue(benchmark::State& state) {
    const std::string file = ScratchFile();
    RegistryStore store(file);
    FillSettings(store);
    for (auto _ : state) benchmark::DoNotOptimize(store.GetValue(kGps, u"value m"));
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
}
BENCHMARK(BM_GetValue);

void BM_LoadFile(benchmark::State& state) {
    const std::string file = ScratchFile();
    {
        RegistryStore store(file);
        FillSettings(store);
    }
    for (auto _ : state) {
        RegistryStore store(file);
        benchmark::DoNotOptimize(store.KeyExists(kGps));
    }
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
