// The friend tracks, one per friend, in the order they were first seen.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string_view>

#include "track/GpsTrackInfo.h"

namespace rq {

class CGpsTrackList {
public:
    using TrackList = std::list<std::unique_ptr<CGpsTrackInfo>>;

    // The first track whose ownerId equals `owner` exactly.
    CGpsTrackInfo* FindByOwner(std::u16string_view owner);
    // A new track for `owner` at the end of the list.
    CGpsTrackInfo* AddOwner(std::u16string_view owner, std::u16string_view shortName,
                            std::uint32_t colour);
    // Removes and deletes `track`; false when it is not in the list.
    bool RemoveTrack(const CGpsTrackInfo* track);

    std::size_t GetCount() const { return tracks_.size(); }
    const TrackList& Tracks() const { return tracks_; }

private:
    TrackList tracks_;
};

}  // namespace rq
