// libFuzzer target for the .poi loader. Every input must either be refused, leaving
// the default category alone, or load into a collection whose saved bytes load again.
// From the second round on saving and loading must be stable (the first may still
// cut 128-unit names and so merge categories). Findings go to tests/data/malformed/poi/.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/LittleEndian.h"
#include "poi/ByteStream.h"
#include "poi/PoiCollection.h"
#include "poi/PoiRecords.h"

namespace {

std::vector<std::uint8_t> Serialise(const rq::CPoiCollection& c) {
    rq::CMemorySink sink;
    std::uint8_t header[rq::kPoiFileHeaderSize];
    rq::platform::PutU32(header, rq::kPoiFileMagic);
    rq::platform::PutU32(header + 4, static_cast<std::uint32_t>(c.GetCount()));
    sink.Write(header, sizeof header);
    for (const auto& category : c.Categories()) rq::WriteCategoryBlock(sink, *category);
    return sink.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rq::CPoiCollection c;
    rq::CMemorySource source(data, size);
    if (!c.LoadFromSource(source)) {
        if (c.GetCount() != 1 || !c.GetAt(0)->IsEmpty()) std::abort();
        return 0;
    }
    std::vector<std::uint8_t> previous = Serialise(c);
    for (int round = 0; round < 2; ++round) {
        rq::CPoiCollection again;
        rq::CMemorySource source2(previous.data(), previous.size());
        if (!again.LoadFromSource(source2)) std::abort();
        std::vector<std::uint8_t> next = Serialise(again);
        if (round == 1 && next != previous) std::abort();
        previous = std::move(next);
    }
    return 0;
}
