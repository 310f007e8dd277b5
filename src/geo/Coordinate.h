// A position: latitude and longitude in signed decimal degrees, and the base of every
// positioned object (fix, track point, POI, navigation target, position text).
#pragma once

#include "geo/Angle.h"
#include "geo/Course.h"

namespace rq {

class CCoordinate {
public:
    CLatitude m_lat;
    CLongitude m_lon;
    // Metres per degree of longitude, filled by the first flat operation; 0 or less
    // means not yet computed.
    //
    // The scale is worked out once per object (one great-circle formula) and then kept,
    // because track recording takes several flat courses from the same points every fix
    // and a square root and an arctangent are all each should cost. The price is
    // deliberate and relied on: the scale is not recomputed when this object's latitude
    // changes (Set, Offset, Normalize, assignment) nor for a later partner at another
    // latitude, so a reused object keeps the scale of its first call. Copies start
    // without a scale; assignment keeps the target's own.
    double lonScale = 0;

    CCoordinate() = default;
    CCoordinate(double lat, double lon) : m_lat(lat), m_lon(lon) {}
    CCoordinate(const CCoordinate& other) : m_lat(other.m_lat), m_lon(other.m_lon) {}
    CCoordinate& operator=(const CCoordinate& other);

    CLatitude& GetLatitude() { return m_lat; }
    const CLatitude& GetLatitude() const { return m_lat; }
    CLongitude& GetLongitude() { return m_lon; }
    const CLongitude& GetLongitude() const { return m_lon; }

    // The way from `other` to this point on the local plane; no wrap at the 180th
    // meridian. Fills this object's scale cache.
    CCourseFlat FlatCourseFrom(const CCoordinate& other);
    // Initial bearing and great-circle distance from this point to `other`.
    CCourse GreatCircleCourseTo(const CCoordinate& other) const;
    // This point moved along the course on the local plane, normalised. Fills this
    // object's scale cache.
    CCoordinate FlatMoved(const CCourse& course);
    // -90..90 and -180..180, bounds included; the unset marker is out of range.
    bool IsValid() const;

    bool IsSamePosition(const CCoordinate& other) const;
    void Offset(double dLat, double dLon);
    // Folds a latitude over a pole (turning the longitude half way round), then wraps
    // the longitude once; values more than one turn out stay out of range.
    void Normalize();

private:
    double LongitudeScale(double atLatitude);
};

}  // namespace rq
