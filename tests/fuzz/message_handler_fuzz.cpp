// Received datagrams come from anyone on the network: recognising, decoding and applying
// one to the model must never read past its bytes or leave the model broken, whatever
// they are. The model lives across inputs so that sequences of messages are tried too.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "friends/PositionMessage.h"
#include "view/GpsViewData.h"
#include "view/ReceivedMessages.h"

namespace {
class NoDisplay : public rq::CNoDisplay {
public:
    void CenterMap(const rq::CCoordinate& c) override {
        if (!c.IsValid()) __builtin_trap();
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static rq::CGpsViewData model;
    static NoDisplay display;
    // A copy of exactly `size` bytes, so any over-read hits the end of a heap block.
    std::vector<std::uint8_t> bytes(data, data + size);
    const std::uint8_t* p = bytes.empty() ? nullptr : bytes.data();
    const std::uint32_t kind = rq::RecogniseMessage(p, bytes.size());
    auto decoded = rq::DecodeMessage(p, bytes.size());
    if ((kind != 0) != decoded.has_value()) __builtin_trap();
    // The first byte picks one of a few senders, so tracks grow and interleave.
    const char16_t sender[2] = {static_cast<char16_t>(u'0' + (size ? data[0] % 4 : 0)), 0};
    rq::HandleReceivedMessage(model, sender, p, bytes.size(), display);
    for (const auto& track : model.friendTracks.Tracks()) {
        std::uint32_t previous = 0xFFFFFFFFu;
        for (const auto& point : track->Points()) {
            if (point.timeKey > previous || !std::isfinite(point.distance)) __builtin_trap();
            previous = point.timeKey;
        }
        if (track->GetCount() > 2000) track->RemoveAll();
    }
    if (model.positionTexts.GetCount() > 2000) model.positionTexts.Clear();
    return 0;
}
