#include "track/GpsTrack.h"

#include <algorithm>

namespace rq {

namespace {

constexpr std::size_t kMinimumRoom = 16;

// A point moved to another slot is the same point: its longitude scale goes along.
void Move(CGpsTrackCoordinate& to, const CGpsTrackCoordinate& from) {
    to = from;
    to.lonScale = from.lonScale;
}

// A new point starts without a scale, whatever the slot held before.
CGpsTrackCoordinate* Fill(CGpsTrackCoordinate& slot, const CGpsTrackCoordinate& point) {
    slot = point;
    slot.lonScale = 0;
    return &slot;
}

}  // namespace

CGpsTrack::CGpsTrack() : bounds(0, 0, 0, 0) {}

CGpsTrack::~CGpsTrack() = default;

void CGpsTrack::GrowBounds(const CCoordinate& point) {
    if (IsEmpty()) {
        bounds.left = bounds.right = point.m_lon.value;
        bounds.top = bounds.bottom = point.m_lat.value;
    } else {
        bounds.Extend(point);
    }
}

void CGpsTrack::Regrow(std::size_t front, std::size_t back) {
    const std::size_t count = GetCount();
    std::vector<CGpsTrackCoordinate> fresh;
    fresh.reserve(front + count + back);
    fresh.resize(front);
    for (const CGpsTrackCoordinate& p : Points()) Move(fresh.emplace_back(), p);
    store_.swap(fresh);
    head_ = front;
    tail_ = front + count;
}

CGpsTrackCoordinate& CGpsTrack::NewHeadSlot() {
    if (head_ == 0) Regrow(std::max(GetCount(), kMinimumRoom), 0);
    return store_[--head_];
}

CGpsTrackCoordinate& CGpsTrack::NewTailSlot() {
    if (tail_ < store_.size()) return store_[tail_++];
    if (store_.size() == store_.capacity()) Regrow(head_, std::max(GetCount(), kMinimumRoom));
    ++tail_;
    return store_.emplace_back();
}

void CGpsTrack::ReserveTail(std::size_t count) {
    if (IsEmpty()) head_ = tail_ = 0;
    if (store_.capacity() - tail_ < count) Regrow(head_, count);
}

CGpsTrackCoordinate* CGpsTrack::AddHead(CGpsTrackCoordinate point) {
    modified = 1;
    GrowBounds(point);
    return Fill(NewHeadSlot(), point);
}

CGpsTrackCoordinate* CGpsTrack::AddTail(CGpsTrackCoordinate point) {
    modified = 1;
    GrowBounds(point);
    return Fill(NewTailSlot(), point);
}

std::span<CGpsTrackCoordinate> CGpsTrack::AppendTailSlots(std::size_t count) {
    modified = 1;
    ReserveTail(count);
    if (store_.size() < tail_ + count) store_.resize(tail_ + count);
    tail_ += count;
    return {store_.data() + tail_ - count, count};
}

void CGpsTrack::IncludeInBounds(double north, double south, double west, double east,
                                bool replace) {
    if (replace) {
        bounds.top = north;
        bounds.bottom = south;
        bounds.left = west;
        bounds.right = east;
        return;
    }
    bounds.top = std::max(bounds.top, north);
    bounds.bottom = std::min(bounds.bottom, south);
    bounds.left = std::min(bounds.left, west);
    bounds.right = std::max(bounds.right, east);
}

CGpsTrackCoordinate* CGpsTrack::InsertByKey(CGpsTrackCoordinate point, std::size_t* position) {
    GrowBounds(point);
    const std::size_t count = GetCount();
    std::size_t index = 0;
    while (index < count && store_[head_ + index].timeKey > point.timeKey) ++index;
    if (position) *position = index;
    // Friend positions mostly arrive newest last, so the free slots before the head
    // usually take the shift.
    if (index == 0) return Fill(NewHeadSlot(), point);
    if (index == count) return Fill(NewTailSlot(), point);
    if (head_ > 0) {
        --head_;
        for (std::size_t i = 0; i < index; ++i) Move(store_[head_ + i], store_[head_ + i + 1]);
    } else {
        NewTailSlot();
        for (std::size_t i = tail_ - 1; i > head_ + index; --i) Move(store_[i], store_[i - 1]);
    }
    return Fill(store_[head_ + index], point);
}

void CGpsTrack::RemoveAll() {
    modified = 1;
    // The block and its slots stay for the points that follow, from the middle so
    // that new heads and new tails both find room: a track cleared or reloaded is
    // usually filled again to about its old length.
    head_ = tail_ = store_.size() / 2;
}

void CGpsTrack::RemoveTail() {
    if (!IsEmpty()) --tail_;
}

void CGpsTrack::RemoveSecond() {
    if (GetCount() < 2) return;
    Move(store_[head_ + 1], store_[head_]);
    ++head_;
}

CGpsTrackCoordinate* CGpsTrack::GetHead() {
    return IsEmpty() ? nullptr : &store_[head_];
}
const CGpsTrackCoordinate* CGpsTrack::GetHead() const {
    return IsEmpty() ? nullptr : &store_[head_];
}
CGpsTrackCoordinate* CGpsTrack::GetTail() {
    return IsEmpty() ? nullptr : &store_[tail_ - 1];
}
const CGpsTrackCoordinate* CGpsTrack::GetTail() const {
    return IsEmpty() ? nullptr : &store_[tail_ - 1];
}

std::uint32_t CGpsTrack::GetHeadKey() const {
    return IsEmpty() ? 0 : store_[head_].timeKey;
}

}  // namespace rq
