#include "track/GpsTrackList.h"

namespace rq {

CGpsTrackInfo* CGpsTrackList::FindByOwner(std::u16string_view owner) {
    for (auto& track : tracks_)
        if (track->ownerId == owner) return track.get();
    return nullptr;
}

CGpsTrackInfo* CGpsTrackList::AddOwner(std::u16string_view owner, std::u16string_view shortName,
                                       std::uint32_t colour) {
    auto track = std::make_unique<CGpsTrackInfo>();
    track->ownerId = owner;
    track->shortName = shortName;
    track->colour = colour;
    tracks_.push_back(std::move(track));
    return tracks_.back().get();
}

bool CGpsTrackList::RemoveTrack(const CGpsTrackInfo* track) {
    for (auto it = tracks_.begin(); it != tracks_.end(); ++it) {
        if (it->get() == track) {
            tracks_.erase(it);
            return true;
        }
    }
    return false;
}

}  // namespace rq
