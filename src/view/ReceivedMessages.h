// What the main view does with a received datagram (message 2025): a friend's position
// extends the friend's track, a position text joins the list, a POI joins the local
// category "General". The map's part is reached through CMessageDisplay.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rq {

class CCoordinate;
class CGpsViewData;
struct ReceivedMessageRecord;

// The calls the handler makes on the map and the visible view.
class CMessageDisplay {
public:
    virtual ~CMessageDisplay() = default;
    virtual void SetShowPositionMessage(bool show) = 0;
    virtual void SetShowPoi(bool show) = 0;
    virtual void SetCenter(const CCoordinate& centre) = 0;
    virtual void RefreshView() = 0;
};

// Applies the record's datagram to the model. Datagrams that are empty, shorter than
// their kind, of a foreign magic or an unknown kind, or that carry a position that is no
// coordinate, change nothing; false then.
bool HandleReceivedMessage(CGpsViewData& data, const ReceivedMessageRecord& record,
                           CMessageDisplay& display);
// The same for bytes and a sender address given directly (tools, tests).
bool HandleReceivedMessage(CGpsViewData& data, std::u16string_view sender,
                           const std::uint8_t* bytes, std::size_t size, CMessageDisplay& display);

}  // namespace rq
