// The earth model: a sphere of radius 6371300 m. Distances in metres, angles in
// degrees unless a name says radians.
#pragma once

namespace rq {

inline constexpr double kEarthRadius = 6.3713e6;
// R * pi / 180, the same at every latitude.
inline constexpr double kMetresPerLatitudeDegree = 111200.162632;
inline constexpr double kLatitudeDegreesPerMetre = 8.992792603274759e-6;
inline constexpr double kDegreesToRadians = 0.017453292519943295;
inline constexpr double kRadiansToDegrees = 57.29577951308232;
inline constexpr double kPi = 3.14159265358979323846;

// Always 111200.162632; the arguments are ignored.
double MetresPerLatitudeDegree(double latitude, double longitude);
// The great-circle length of one degree of longitude centred on the point; it depends
// on the latitude only and is 0 at the poles.
double MetresPerLongitudeDegree(double latitude, double longitude);
// Direction of the vector (east, north) in radians in [0, 2 pi), clockwise from north;
// the zero vector points north.
double BearingOf(double east, double north);

}  // namespace rq
