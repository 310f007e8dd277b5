#include "track/GpsTrack.h"

namespace rq {

CGpsTrack::CGpsTrack() : bounds(0, 0, 0, 0) {}

CGpsTrack::~CGpsTrack() = default;

void CGpsTrack::GrowBounds(const CCoordinate& point) {
    if (points_.empty()) {
        bounds.left = bounds.right = point.m_lon.value;
        bounds.top = bounds.bottom = point.m_lat.value;
    } else {
        bounds.Extend(point);
    }
}

CGpsTrackCoordinate* CGpsTrack::AddHead(const CGpsTrackCoordinate& point) {
    modified = 1;
    GrowBounds(point);
    points_.emplace_front(point);
    return &points_.front();
}

CGpsTrackCoordinate* CGpsTrack::AddTail(const CGpsTrackCoordinate& point) {
    modified = 1;
    GrowBounds(point);
    points_.emplace_back(point);
    return &points_.back();
}

CGpsTrackCoordinate* CGpsTrack::InsertByKey(const CGpsTrackCoordinate& point,
                                            std::size_t* position) {
    GrowBounds(point);
    std::size_t index = 0;
    auto it = points_.begin();
    while (it != points_.end() && it->timeKey > point.timeKey) {
        ++it;
        ++index;
    }
    auto inserted = points_.emplace(it, point);
    if (position) *position = index;
    return &*inserted;
}

void CGpsTrack::RemoveAll() {
    modified = 1;
    points_.clear();
}

void CGpsTrack::RemoveTail() {
    if (!points_.empty()) points_.pop_back();
}

void CGpsTrack::RemoveSecond() {
    if (points_.size() >= 2) points_.erase(std::next(points_.begin()));
}

CGpsTrackCoordinate* CGpsTrack::GetHead() {
    return points_.empty() ? nullptr : &points_.front();
}
const CGpsTrackCoordinate* CGpsTrack::GetHead() const {
    return points_.empty() ? nullptr : &points_.front();
}
CGpsTrackCoordinate* CGpsTrack::GetTail() {
    return points_.empty() ? nullptr : &points_.back();
}
const CGpsTrackCoordinate* CGpsTrack::GetTail() const {
    return points_.empty() ? nullptr : &points_.back();
}

std::uint32_t CGpsTrack::GetHeadKey() const {
    return points_.empty() ? 0 : points_.front().timeKey;
}

}  // namespace rq
