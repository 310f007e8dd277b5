// A track: points kept newest first (head = newest, tail = oldest) with the
// rectangle they span. The rectangle only ever grows; removing points keeps it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "geo/DoubleRect.h"
#include "track/GpsTrackCoordinate.h"

namespace rq {

class CGpsTrack {
public:
    CGpsTrack();
    virtual ~CGpsTrack();
    CGpsTrack(const CGpsTrack&) = delete;
    CGpsTrack& operator=(const CGpsTrack&) = delete;

    // Copies `point` (extra fields included) into a new head or tail; both mark the
    // track modified. Taken by value: it may be one of the track's own points, which
    // making room moves.
    CGpsTrackCoordinate* AddHead(CGpsTrackCoordinate point);
    CGpsTrackCoordinate* AddTail(CGpsTrackCoordinate point);
    // `count` new points after the tail in one block, for the loaders, which set every
    // field of each and then give their extent to IncludeInBounds. Marks the track
    // modified.
    std::span<CGpsTrackCoordinate> AppendTailSlots(std::size_t count);
    // Widens the bounds to the given extent; when `replace`, they become that extent.
    void IncludeInBounds(double north, double south, double west, double east, bool replace);
    // Inserts before the first point (from the head) whose timeKey is <= the new one,
    // at the tail when there is none. `position`, when given, receives the index of the
    // new point (0 = head). Leaves the modified flag alone.
    CGpsTrackCoordinate* InsertByKey(CGpsTrackCoordinate point, std::size_t* position = nullptr);
    // Marks the track modified and deletes every point; the bounds stay.
    void RemoveAll();
    // Constant-time removals used by the recording filter.
    void RemoveTail();
    void RemoveSecond();
    // Room for `count` more points at the tail, so that a loader that knows how many
    // follow copies nothing while it appends them.
    void ReserveTail(std::size_t count);

    CGpsTrackCoordinate* GetHead();
    const CGpsTrackCoordinate* GetHead() const;
    CGpsTrackCoordinate* GetTail();
    const CGpsTrackCoordinate* GetTail() const;
    std::uint32_t GetHeadKey() const;
    std::size_t GetCount() const { return tail_ - head_; }
    bool IsEmpty() const { return tail_ == head_; }
    // Newest first, in one block. Pointers and references to points, and these views,
    // last until the next insertion or removal.
    std::span<const CGpsTrackCoordinate> Points() const {
        return {store_.data() + head_, GetCount()};
    }
    std::span<CGpsTrackCoordinate> Points() { return {store_.data() + head_, GetCount()}; }

    CDoubleRect GetBounds() const { return bounds; }
    bool IsModified() const { return modified != 0; }
    void SetModified(bool value) { modified = value ? 1 : 0; }

    std::uint32_t modified = 0;
    CDoubleRect bounds;

private:
    void GrowBounds(const CCoordinate& point);
    // Moves the points into a new block with `front` free slots before the head and
    // room for `back` more after the tail.
    void Regrow(std::size_t front, std::size_t back);
    // The slot before the head, and the slot after the tail, made free when there is
    // none.
    CGpsTrackCoordinate& NewHeadSlot();
    CGpsTrackCoordinate& NewTailSlot();

    // store_[head_] is the newest point and store_[tail_ - 1] the oldest; the slots
    // outside stay made and are reused. A new head fills the slot before the head,
    // RemoveSecond moves the head one slot on and RemoveTail gives up the last slot,
    // so the recording filter never shifts the track. The vector never grows by
    // itself: every move goes through Regrow, which carries each point's longitude
    // scale along as the nodes of a list would have kept it.
    std::vector<CGpsTrackCoordinate> store_;
    std::size_t head_ = 0;
    std::size_t tail_ = 0;
};

}  // namespace rq
