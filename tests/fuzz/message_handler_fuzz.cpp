// Received datagrams come from anyone on the network: recognising and decoding one must
// never read past its bytes, whatever they are.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "friends/PositionMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly `size` bytes, so any over-read hits the end of a heap block.
    std::vector<std::uint8_t> bytes(data, data + size);
    const std::uint8_t* p = bytes.empty() ? nullptr : bytes.data();
    const std::uint32_t kind = rq::RecogniseMessage(p, bytes.size());
    auto decoded = rq::DecodeMessage(p, bytes.size());
    if ((kind != 0) != decoded.has_value()) __builtin_trap();
    return 0;
}
