#include "track/Milestones.h"

namespace rq {

namespace {
CGpsTrackCoordinate MilestoneAt(const CCoordinate& at, double distance) {
    CGpsTrackCoordinate point(at.m_lat.value, at.m_lon.value);
    point.milestone = 1;
    point.distance = distance;
    return point;
}
}  // namespace

bool AddInitialMilestone(CGpsTrack& track, const CCoordinate& fix,
                         const std::function<bool()>& confirm) {
    if (!confirm || !confirm()) return false;
    track.AddHead(MilestoneAt(fix, 0));
    return true;
}

bool AddMilestone(CGpsTrack& track, CCoordinate& fix) {
    CGpsTrackCoordinate* head = track.GetHead();
    if (!head) {
        track.AddHead(MilestoneAt(fix, 0));
        return true;
    }
    const CCourseFlat c = fix.FlatCourseFrom(*head);
    if (c.distance > 0) {
        track.AddHead(MilestoneAt(fix, head->distance + c.distance));
        return true;
    }
    head->milestone = 1;
    return false;
}

}  // namespace rq
