// Received friend positions applied to the model: in order (each one the newest) and in
// reverse order (each one late, inserted at the tail, so every distance is recomputed).
#include <benchmark/benchmark.h>

#include "friends/PositionMessage.h"
#include "view/GpsViewData.h"
#include "view/ReceivedMessages.h"

namespace {

std::vector<std::vector<std::uint8_t>> Messages(int count, bool reversed) {
    std::vector<std::vector<std::uint8_t>> out;
    for (int i = 0; i < count; ++i) {
        const int t = reversed ? count - i : i + 1;
        out.push_back(rq::MakePositionMessage({48 + t * 1e-4, 11 + t * 1e-4, 500, 45, 3, 1, 9, 6},
                                              u"Ann", t));
    }
    return out;
}

void Receive(benchmark::State& state, bool reversed) {
    const auto messages = Messages(static_cast<int>(state.range(0)), reversed);
    rq::CNoDisplay display;
    for (auto _ : state) {
        rq::CGpsViewData data;
        for (const auto& m : messages)
            rq::HandleReceivedMessage(data, u"+4917012345", m.data(), m.size(), display);
        benchmark::DoNotOptimize(data.friendTracks.GetCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReceiveNewestFirst(benchmark::State& state) {
    Receive(state, false);
}
void BM_ReceiveLateOnly(benchmark::State& state) {
    Receive(state, true);
}

void BM_DecodeDatagram(benchmark::State& state) {
    const auto m = rq::MakePoiMessage(1, 2, 3, u"Cafe", 0);
    for (auto _ : state) benchmark::DoNotOptimize(rq::DecodeMessage(m.data(), m.size()));
}

BENCHMARK(BM_ReceiveNewestFirst)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReceiveLateOnly)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeDatagram);

}  // namespace

BENCHMARK_MAIN();
