// libFuzzer target: any bytes given to the track loader either load or fail cleanly,
// and a loaded track saves to bytes that load again to the same points.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "track/TrackFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rq::CGpsTrackInfo track;
    if (!rq::LoadTrackBytes(data, size, track)) return 0;
    const std::vector<std::uint8_t> again = rq::EncodeTrack(track);
    rq::CGpsTrackInfo back;
    if (!rq::LoadTrackBytes(again.data(), again.size(), back)) std::abort();
    if (back.GetCount() != track.GetCount()) std::abort();
    return 0;
}
