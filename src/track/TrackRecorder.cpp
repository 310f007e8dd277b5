#include "track/TrackRecorder.h"

#include <cmath>
#include <span>

namespace rq {

namespace {

CGpsTrackCoordinate PointAt(const CCoordinate& at, double distance, double course) {
    CGpsTrackCoordinate point(at.m_lat.value, at.m_lon.value);
    point.distance = distance;
    point.course = course;
    return point;
}

// Removes the middle of the three newest points when the track runs straight
// through it. The difference is of plain bearings: 359 and 1 degree count as a turn.
void FilterTurningAngle(CGpsTrack& track, double taThreshold) {
    if (track.GetCount() < 3) return;
    std::span<CGpsTrackCoordinate> points = track.Points();
    if (points[1].milestone) return;
    const double a = points[0].FlatCourseFrom(points[1]).value;
    const double b = points[1].FlatCourseFrom(points[2]).value;
    if (std::fabs(a - b) < taThreshold) {
        track.RemoveSecond();
        // The head has moved into the freed slot: look the two points up again.
        points = track.Points();
        CGpsTrackCoordinate& p0 = points[0];
        CGpsTrackCoordinate& p2 = points[1];
        const CCourseFlat c2 = p0.FlatCourseFrom(p2);
        p0.distance = p2.distance + c2.distance;
        p2.course = c2.value;
    }
}

}  // namespace

bool RecordTrackPoint(CGpsTrack& track, CCoordinate& fix, double courseOverGround,
                      const CRecordingSettings& settings) {
    CGpsTrackCoordinate* head = track.GetHead();
    if (!head) {
        track.AddHead(PointAt(fix, 0, 0));
        return true;
    }
    const CCourseFlat c = fix.FlatCourseFrom(*head);
    if (c.distance < static_cast<double>(settings.tsThreshold)) return false;
    head->course = c.value;
    track.AddHead(PointAt(fix, head->distance + c.distance, courseOverGround));
    while (track.GetCount() > settings.maxTrackPoints) track.RemoveTail();
    FilterTurningAngle(track, static_cast<double>(settings.taThreshold));
    return true;
}

}  // namespace rq
