// Cost of the NMEA parser on a one-second epoch of a receiver (GGA, RMC, GSA, three
// GSV, VTG, GLL), against a floor that only cuts the lines and computes checksums.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "nmea/Nmea0183.h"
#include "platform/Text.h"

namespace {

const char kEpoch[] =
    "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76\r\n"
    "$GPRMC,092750.000,A,5321.6802,N,00630.3372,W,0.02,31.66,280511,,,A*43\r\n"
    "$GPGSA,A,3,10,07,05,02,29,04,08,13,,,,,1.72,1.03,1.38*0A\r\n"
    "$GPGSV,3,1,11,10,63,137,17,07,61,098,15,05,59,290,20,08,54,157,30*70\r\n"
    "$GPGSV,3,2,11,02,39,223,19,13,28,070,17,26,23,252,,04,14,186,14*79\r\n"
    "$GPGSV,3,3,11,29,09,301,24,16,09,020,,36,,,*76\r\n"
    "$GPVTG,31.66,T,,M,0.02,N,0.04,K,A*09\r\n"
    "$GPGLL,5321.6802,N,00630.3372,W,092750.000,A,A*4B\r\n";
constexpr int kSentencesPerEpoch = 8;
constexpr int kEpochs = 64;

std::u16string Stream() {
    std::u16string one = rq::platform::FromAnsi(kEpoch);
    std::u16string all;
    for (int i = 0; i < kEpochs; ++i) all += one;
    return all;
}

// Calls `f` with every line of the stream, CR LF included.
template <typename F>
void ForEachLine(std::u16string_view stream, F f) {
    std::size_t begin = 0;
    while (begin < stream.size()) {
        const std::size_t lf = stream.find(u'\n', begin);
        const std::size_t end = lf == std::u16string_view::npos ? stream.size() : lf + 1;
        f(stream.substr(begin, end - begin));
        begin = end;
    }
}

void Report(benchmark::State& state) {
    const double sentences = static_cast<double>(state.iterations()) * kEpochs * kSentencesPerEpoch;
    state.SetItemsProcessed(static_cast<std::int64_t>(sentences));
    state.counters["time_per_sentence"] =
        benchmark::Counter(sentences, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_FloorSplitAndChecksum(benchmark::State& state) {
    const std::u16string stream = Stream();
    for (auto _ : state) {
        unsigned sums = 0;
        ForEachLine(stream, [&](std::u16string_view line) {
            std::uint8_t sum = 0;
            for (std::size_t i = 1; i < line.size(); ++i) {
                const char16_t c = line[i];
                if (c == u'*' || c == u'\r' || c == u'\n') break;
                sum ^= static_cast<std::uint8_t>(c);
            }
            sums += sum;
        });
        benchmark::DoNotOptimize(sums);
    }
    Report(state);
}
BENCHMARK(BM_FloorSplitAndChecksum);

void BM_ParseAndDecodeEpoch(benchmark::State& state) {
    const std::u16string stream = Stream();
    rq::NMEA0183 nmea;
    std::int64_t parsed = 0;
    for (auto _ : state) {
        ForEachLine(stream, [&](std::u16string_view line) {
            nmea.SetSentence(line);
            if (nmea.Parse()) ++parsed;
        });
        benchmark::DoNotOptimize(parsed);
    }
    if (parsed != static_cast<std::int64_t>(state.iterations()) * kEpochs * kSentencesPerEpoch)
        state.SkipWithError("a sentence of the epoch failed to parse");
    Report(state);
}
BENCHMARK(BM_ParseAndDecodeEpoch);

}  // namespace

BENCHMARK_MAIN();
