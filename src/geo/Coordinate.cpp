#include "geo/Coordinate.h"

#include <algorithm>
#include <cmath>

#include "geo/Earth.h"

namespace rq {

CCoordinate& CCoordinate::operator=(const CCoordinate& other) {
    m_lat.Set(other.m_lat);
    m_lon.Set(other.m_lon);
    return *this;
}

double CCoordinate::LongitudeScale(double atLatitude) {
    if (lonScale > 0) return lonScale;
    lonScale = MetresPerLongitudeDegree(atLatitude, m_lon.value);
    return lonScale;
}

CCourseFlat CCoordinate::FlatCourseFrom(const CCoordinate& other) {
    const double scale = LongitudeScale((m_lat.value + other.m_lat.value) * 0.5);
    const double east = (m_lon.value - other.m_lon.value) * scale;
    const double north = (m_lat.value - other.m_lat.value) * kMetresPerLatitudeDegree;
    const double distance = std::sqrt(north * north + east * east);
    if (distance < 1e-7) return CCourseFlat(0, 0);
    return CCourseFlat(BearingOf(east, north) * kRadiansToDegrees, distance);
}

CCourse CCoordinate::GreatCircleCourseTo(const CCoordinate& other) const {
    const double phi1 = m_lat.value * kDegreesToRadians;
    const double lambda1 = m_lon.value * kDegreesToRadians;
    const double phi2 = other.m_lat.value * kDegreesToRadians;
    const double lambda2 = other.m_lon.value * kDegreesToRadians;
    const double dLambda = lambda2 - lambda1;
    // Rounding can push the cosines a hair past 1 (near the poles, for tiny steps);
    // clamping keeps acos from returning NaN.
    const double cosD =
        std::cos(dLambda) * std::cos(phi2) * std::cos(phi1) + std::sin(phi2) * std::sin(phi1);
    const double d = std::acos(std::clamp(cosD, -1.0, 1.0));
    const double distance = d * kEarthRadius;
    const double denominator = std::sin(d) * std::cos(phi1);
    double bearing = 0;
    if (denominator != 0) {
        const double cosBearing = (std::sin(phi2) - std::cos(d) * std::sin(phi1)) / denominator;
        bearing = std::acos(std::clamp(cosBearing, -1.0, 1.0));
    }
    if (std::sin(dLambda) < 0) bearing = 2 * kPi - bearing;
    return CCourse(bearing * kRadiansToDegrees, distance);
}

CCoordinate CCoordinate::FlatMoved(const CCourse& course) {
    const double a = course.value * kDegreesToRadians;
    const double east = course.distance * std::sin(a);
    const double dLat = course.distance * std::cos(a) * kLatitudeDegreesPerMetre;
    const double scale = LongitudeScale(m_lat.value + dLat * 0.5);
    // At a pole a degree of longitude has no length; every longitude is the same
    // point there, so the move only changes the latitude.
    const double dLon = scale > 0 ? east / scale : 0;
    CCoordinate moved(*this);
    moved.Offset(dLat, dLon);
    moved.Normalize();
    return moved;
}

bool CCoordinate::IsValid() const {
    return m_lat.value >= -90 && m_lat.value <= 90 && m_lon.value >= -180 && m_lon.value <= 180;
}

bool CCoordinate::IsSamePosition(const CCoordinate& other) const {
    return m_lat.IsEqual(other.m_lat) && m_lon.IsEqual(other.m_lon);
}

void CCoordinate::Offset(double dLat, double dLon) {
    m_lat.Set(m_lat.value + dLat);
    m_lon.Set(m_lon.value + dLon);
}

void CCoordinate::Normalize() {
    double lat = m_lat.value;
    double lon = m_lon.value;
    if (lat > 90) {
        lat = 180 - lat;
        lon += 180;
    } else if (lat < -90) {
        lat = -180 - lat;
        lon += 180;
    }
    if (lon > 180)
        lon -= 360;
    else if (lon < -180)
        lon += 360;
    m_lat.Set(lat);
    m_lon.Set(lon);
}

}  // namespace rq
