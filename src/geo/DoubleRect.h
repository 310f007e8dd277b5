// A latitude/longitude rectangle: west and east edges are longitudes, north and south
// edges latitudes. Normalised, left <= right and top >= bottom.
#pragma once

namespace rq {

class CCoordinate;

class CDoubleRect {
public:
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    CDoubleRect() = default;
    CDoubleRect(double l, double t, double r, double b) : left(l), top(t), right(r), bottom(b) {}
    // The first corner gives top and left, the second bottom and right.
    CDoubleRect(const CCoordinate& topLeft, const CCoordinate& bottomRight);
    virtual ~CDoubleRect();
    CDoubleRect(const CDoubleRect&) = default;
    CDoubleRect& operator=(const CDoubleRect&) = default;

    void Normalize();
    // Every edge counts as inside within 1e-7 degree.
    bool Contains(const CCoordinate& point) const;
    void Extend(const CCoordinate& point);
    // Touching edges intersect.
    bool Intersects(const CDoubleRect& other) const;
};

}  // namespace rq
