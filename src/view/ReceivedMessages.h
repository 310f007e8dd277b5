// What the main view does with a received datagram (message 2025): a friend's position
// extends the friend's track, a position text joins the list, a POI joins the local
// category "General". The map's part is reached through the view's display.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "view/ViewDisplay.h"

namespace rq {

class CGpsViewData;
struct ReceivedMessageRecord;

// Applies the record's datagram to the model. Datagrams that are empty, shorter than
// their kind, of a foreign magic or an unknown kind, or that carry a position that is no
// coordinate, change nothing; false then.
bool HandleReceivedMessage(CGpsViewData& data, const ReceivedMessageRecord& record,
                           CViewDisplay& display);
// The same for bytes and a sender address given directly (tools, tests).
bool HandleReceivedMessage(CGpsViewData& data, std::u16string_view sender,
                           const std::uint8_t* bytes, std::size_t size, CViewDisplay& display);

}  // namespace rq
