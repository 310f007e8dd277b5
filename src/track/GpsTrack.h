// A track: points kept newest first (head = newest, tail = oldest) with the
// rectangle they span. The rectangle only ever grows; removing points keeps it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>

#include "geo/DoubleRect.h"
#include "track/GpsTrackCoordinate.h"

namespace rq {

class CGpsTrack {
public:
    using PointList = std::list<CGpsTrackCoordinate>;

    CGpsTrack();
    virtual ~CGpsTrack();
    CGpsTrack(const CGpsTrack&) = delete;
    CGpsTrack& operator=(const CGpsTrack&) = delete;

    // Copies `point` (extra fields included) into a new head or tail; both mark the
    // track modified.
    CGpsTrackCoordinate* AddHead(const CGpsTrackCoordinate& point);
    CGpsTrackCoordinate* AddTail(const CGpsTrackCoordinate& point);
    // Inserts before the first point (from the head) whose timeKey is <= the new one,
    // at the tail when there is none. `position`, when given, receives the index of the
    // new point (0 = head). Leaves the modified flag alone.
    CGpsTrackCoordinate* InsertByKey(const CGpsTrackCoordinate& point,
                                     std::size_t* position = nullptr);
    // Marks the track modified and deletes every point; the bounds stay.
    void RemoveAll();
    // Constant-time removals used by the recording filter.
    void RemoveTail();
    void RemoveSecond();

    CGpsTrackCoordinate* GetHead();
    const CGpsTrackCoordinate* GetHead() const;
    CGpsTrackCoordinate* GetTail();
    const CGpsTrackCoordinate* GetTail() const;
    std::uint32_t GetHeadKey() const;
    std::size_t GetCount() const { return points_.size(); }
    bool IsEmpty() const { return points_.empty(); }
    // Newest first.
    const PointList& Points() const { return points_; }
    PointList& Points() { return points_; }

    CDoubleRect GetBounds() const { return bounds; }
    bool IsModified() const { return modified != 0; }
    void SetModified(bool value) { modified = value ? 1 : 0; }

    std::uint32_t modified = 0;
    CDoubleRect bounds;

private:
    void GrowBounds(const CCoordinate& point);
    PointList points_;
};

}  // namespace rq
