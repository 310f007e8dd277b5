// Costs of the flat-earth operations with and without the cached longitude scale, and
// of loading a POI file of a thousand POIs from memory.
#include <benchmark/benchmark.h>

#include "geo/Coordinate.h"
#include "geo/Units.h"
#include "platform/LittleEndian.h"
#include "poi/ByteStream.h"
#include "poi/PoiCollection.h"
#include "poi/PoiRecords.h"

namespace {

void FlatCourseCached(benchmark::State& state) {
    rq::CCoordinate head(48.137154, 11.576124);
    const rq::CCoordinate fix(48.1372, 11.5762);
    head.FlatCourseFrom(fix);
    for (auto _ : state) benchmark::DoNotOptimize(head.FlatCourseFrom(fix));
}
BENCHMARK(FlatCourseCached);

void FlatCourseFirstCall(benchmark::State& state) {
    const rq::CCoordinate head(48.137154, 11.576124);
    const rq::CCoordinate fix(48.1372, 11.5762);
    for (auto _ : state) {
        rq::CCoordinate fresh(head);  // copies start without a scale
        benchmark::DoNotOptimize(fresh.FlatCourseFrom(fix));
    }
}
BENCHMARK(FlatCourseFirstCall);

void FlatMovedCached(benchmark::State& state) {
    rq::CCoordinate start(48.137154, 11.576124);
    const rq::CCourse course(33, 250);
    start.FlatMoved(course);
    for (auto _ : state) benchmark::DoNotOptimize(start.FlatMoved(course));
}
BENCHMARK(FlatMovedCached);

void FormatDistanceText(benchmark::State& state) {
    double metres = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rq::FormatDistance(metres, 0, 0, 3, true));
        metres += 7.5;
    }
}
BENCHMARK(FormatDistanceText);

void LoadThousandPois(benchmark::State& state) {
    rq::CPoiCollection c;
    for (int k = 0; k < 10; ++k) {
        rq::CPoiCategory* category = c.AddCategory(u"Category " + std::u16string(1, u'A' + k));
        for (int i = 0; i < 100; ++i)
            category->AddPoi(u"Point of interest", rq::CCoordinate(48 + i * 0.001, 11), i % 34);
    }
    rq::CMemorySink sink;
    std::uint8_t header[rq::kPoiFileHeaderSize];
    rq::platform::PutU32(header, rq::kPoiFileMagic);
    rq::platform::PutU32(header + 4, static_cast<std::uint32_t>(c.GetCount()));
    sink.Write(header, sizeof header);
    for (const auto& category : c.Categories()) rq::WriteCategoryBlock(sink, *category);
    for (auto _ : state) {
        rq::CPoiCollection loaded;
        rq::CMemorySource source(sink.bytes.data(), sink.bytes.size());
        benchmark::DoNotOptimize(loaded.LoadFromSource(source));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sink.bytes.size()));
}
BENCHMARK(LoadThousandPois);

}  // namespace

BENCHMARK_MAIN();
