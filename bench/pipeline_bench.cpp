// The serial keeper's road from the receiver's bytes to the merged fix (the sentence
// cutter, the parser, the merge into the fix record), fed in 512-byte reads, beside a
// floor on the same bytes in the same run: split at LF and XOR the checksum.
//
// Two sets of bytes: the demo log, and the receiver logs of the corpus beside the
// checkout (../shared/nmea-corpus, or the folder RQ_NMEA_CORPUS names); the corpus set
// is left out when the folder is not there. Both figures are per line of the logs.
#include <benchmark/benchmark.h>
#include <dirent.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "keepers/CommKeeper.h"

namespace {

constexpr std::size_t kReadSize = 512;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> Logs(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name.size() > 5 && name.compare(name.size() - 5, 5, ".nmea") == 0)
                names.push_back(folder + "/" + name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> logs;
    for (const std::string& name : names) logs.push_back(ReadAll(name));
    return logs;
}

std::int64_t CountLines(const std::vector<std::string>& logs) {
    std::int64_t lines = 0;
    for (const std::string& log : logs)
        lines += std::count(log.begin(), log.end(), '\n') + (!log.empty() && log.back() != '\n');
    return lines;
}

void Report(benchmark::State& state, std::int64_t lines) {
    const double total = static_cast<double>(state.iterations()) * static_cast<double>(lines);
    state.SetItemsProcessed(static_cast<std::int64_t>(total));
    state.counters["time_per_sentence"] =
        benchmark::Counter(total, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The least any reader must do: find each line and compute its checksum. Aligned, so
// where the linker puts it does not move its loop across a fetch boundary: that alone
// made the floor 30 % slower in one build than in another.
__attribute__((aligned(64))) void Floor(benchmark::State& state,
                                        const std::vector<std::string>* logs) {
    const std::int64_t lines = CountLines(*logs);
    for (auto _ : state) {
        unsigned sums = 0;
        for (const std::string& log : *logs) {
            const char* at = log.data();
            const char* const end = at + log.size();
            while (at < end) {
                const char* lf = static_cast<const char*>(std::memchr(at, '\n', end - at));
                const char* lineEnd = lf ? lf : end;
                std::uint8_t sum = 0;
                const char* c = at < lineEnd && *at == '$' ? at + 1 : at;
                for (; c < lineEnd && *c != '*' && *c != '\r'; ++c)
                    sum ^= static_cast<std::uint8_t>(*c);
                sums += sum;
                at = lineEnd + 1;
            }
        }
        benchmark::DoNotOptimize(sums);
    }
    Report(state, lines);
}

// One keeper per log, as one receiver per port; its clock stands still, so nothing is
// posted and only the road to the record is measured.
void Pipeline(benchmark::State& state, const std::vector<std::string>* logs) {
    const std::int64_t lines = CountLines(*logs);
    std::vector<std::unique_ptr<rq::CCommKeeper>> keepers;
    for (std::size_t i = 0; i < logs->size(); ++i) {
        keepers.push_back(std::make_unique<rq::CCommKeeper>());
        keepers.back()->SetTickSource([] { return 0u; });
        keepers.back()->Position().Reset();
        keepers.back()->TakeBytes("", 0);  // makes the parser before the clock runs
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < logs->size(); ++i) {
            const std::string& log = (*logs)[i];
            for (std::size_t at = 0; at < log.size(); at += kReadSize)
                keepers[i]->TakeBytes(log.data() + at, std::min(kReadSize, log.size() - at));
        }
    }
    std::uint32_t changed = 0;
    for (const auto& keeper : keepers) changed |= keeper->Position().changedMask;
    if (changed == 0) state.SkipWithError("no sentence reached the fix");
    Report(state, lines);
}

}  // namespace

int main(int argc, char** argv) {
    static const std::vector<std::string> demo{ReadAll(RQ_SOURCE_DIR "/samples/demo.nmea")};
    const char* folder = std::getenv("RQ_NMEA_CORPUS");
    static const std::vector<std::string> corpus =
        Logs(folder ? folder : RQ_SOURCE_DIR "/../shared/nmea-corpus");
    benchmark::RegisterBenchmark("Floor/demo", Floor, &demo);
    benchmark::RegisterBenchmark("Pipeline/demo", Pipeline, &demo);
    if (!corpus.empty()) {
        benchmark::RegisterBenchmark("Floor/corpus", Floor, &corpus);
        benchmark::RegisterBenchmark("Pipeline/corpus", Pipeline, &corpus);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (corpus.empty()) benchmark::AddCustomContext("corpus", "not found; demo log only");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
