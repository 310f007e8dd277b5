#include "track/GpsTrackInfo.h"

#include "platform/FixTime.h"

namespace rq {

CGpsTrackInfo::CGpsTrackInfo() {
    fix.Reset();
    ResetStatistics();
}

CGpsTrackInfo::~CGpsTrackInfo() = default;

void CGpsTrackInfo::ResetStatistics() {
    fixCount = 0;
    avgSpeed = 0;
    maxSpeed = 0;
    acceleration = 0;
    ascentRate = 0;
    navDistance = 0;
    etaSeconds = 0;
    startTime = 0;
    maxAltitude = kUnset;
    minAltitude = kUnset;
}

void CGpsTrackInfo::Clear() {
    RemoveAll();
    fix.Reset();
    pois.Clear();
    ResetStatistics();
}

bool CGpsTrackInfo::IsModified() const {
    return CGpsTrack::IsModified() || pois.IsModified();
}

double CGpsTrackInfo::GetMileage() {
    CGpsTrackCoordinate* head = GetHead();
    if (!head) return 0;
    double mileage = head->distance;
    if (fix.HasFix()) mileage += fix.FlatCourseFrom(*head).distance;
    return mileage;
}

CDoubleRect CGpsTrackInfo::GetBoundsWithFix() const {
    CDoubleRect rect = GetBounds();
    if (fix.IsValid()) rect.Extend(fix);
    return rect;
}

void CGpsTrackInfo::UpdateStatistics(CLastFixValues& last) {
    const double speed = fix.speed * kKnotsToKmh;
    avgSpeed =
        (static_cast<double>(fixCount) * avgSpeed + speed) / (static_cast<double>(fixCount) + 1.0);
    if (speed > maxSpeed) maxSpeed = speed;
    const double altitude = fix.altitude;
    if (maxAltitude == kUnset || maxAltitude < altitude) maxAltitude = altitude;
    if (minAltitude == kUnset || minAltitude > altitude) minAltitude = altitude;
    acceleration = (speed - last.lastSpeed) * kKmhToMetresPerSecond;
    last.lastSpeed = speed;
    ascentRate = (altitude - last.lastAltitude) * 60;
    last.lastAltitude = altitude;
}

void CGpsTrackInfo::UpdateStartTime() {
    if (startTime != 0) return;
    if (platform::FixUtcFields(fix.time).year > 1980) startTime = fix.time;
}

}  // namespace rq
