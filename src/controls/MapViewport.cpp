#include "controls/MapViewport.h"

#include "geo/Earth.h"
#include "geo/Rounding.h"

namespace rq {

CMapViewport::CMapViewport()
    : m_metersPerDegreeLat(MetresPerLatitudeDegree(0, 0)),
      m_metersPerDegreeLon(MetresPerLongitudeDegree(0, 0)) {}

void CMapViewport::SetClientRect(int left, int top, int right, int bottom) {
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;
}

bool CMapViewport::SetCenter(const CCoordinate& center) {
    if (!center.IsValid()) return false;
    m_center.m_lat.Set(center.m_lat);
    m_center.m_lon.Set(center.m_lon);
    const double lat = m_center.m_lat.value;
    const double lon = m_center.m_lon.value;
    m_metersPerDegreeLat = MetresPerLatitudeDegree(lat, lon);
    m_metersPerDegreeLon = MetresPerLongitudeDegree(lat, lon);
    return true;
}

bool CMapViewport::CanZoomIn() const {
    return m_scale / kZoomFactor >= kMinViewWidth / Width();
}

bool CMapViewport::CanZoomOut() const {
    return kZoomFactor * m_scale <= kMaxViewWidth / Width();
}

bool CMapViewport::ZoomIn() {
    if (!CanZoomIn()) return false;
    m_scale /= kZoomFactor;
    return true;
}

bool CMapViewport::ZoomOut() {
    if (!CanZoomOut()) return false;
    m_scale *= kZoomFactor;
    return true;
}

bool CMapViewport::Scroll(double fractionX, double fractionY) {
    const CPoint c = GetClientCenter();
    CPoint to = c;
    if (m_microScroll) {
        to.x += fractionX < 0 ? -1 : (fractionX > 0 ? 1 : 0);
        to.y += fractionY > 0 ? -1 : (fractionY < 0 ? 1 : 0);
    } else {
        to.x += RoundHalfAway(Width() * fractionX);
        to.y -= RoundHalfAway(Height() * fractionY);
    }
    return SetCenter(ScreenToGeo(to));
}

bool CMapViewport::ShowsPoiNames() const {
    return m_scale <= m_poiNameViewWidth / Width();
}

CPoint CMapViewport::GetClientCenter() const {
    return {(m_left + m_right) / 2, (m_top + m_bottom) / 2};
}

CPoint CMapViewport::GeoToScreen(const CCoordinate& point) const {
    const double dx = (point.m_lon.value - m_center.m_lon.value) * m_metersPerDegreeLon;
    const double dy = (point.m_lat.value - m_center.m_lat.value) * m_metersPerDegreeLat;
    const CPoint c = GetClientCenter();
    return {c.x + RoundHalfAway(dx / m_scale), c.y - RoundHalfAway(dy / m_scale)};
}

void CMapViewport::PlaneOffset(CPoint point, double& dLat, double& dLon) const {
    const CPoint c = GetClientCenter();
    const double east = (point.x - c.x) * m_scale;
    const double north = (c.y - point.y) * m_scale;
    dLat = m_metersPerDegreeLat > 0 ? north / m_metersPerDegreeLat : 0;
    dLon = m_metersPerDegreeLon > 0 ? east / m_metersPerDegreeLon : 0;
}

CCoordinate CMapViewport::ScreenToGeo(CPoint point) const {
    double dLat = 0;
    double dLon = 0;
    PlaneOffset(point, dLat, dLon);
    CCoordinate result(m_center);
    result.Offset(dLat, dLon);
    result.Normalize();
    return result;
}

CDoubleRect CMapViewport::GetVisibleArea() const {
    // The corners are kept on the projection plane, unwrapped: a view reaching over the
    // 180th meridian or a pole then still covers what the projection puts on screen,
    // where wrapped corners would give an inverted rectangle that meets nothing.
    double north = 0, west = 0, south = 0, east = 0;
    PlaneOffset({m_left, m_top}, north, west);
    PlaneOffset({m_right, m_bottom}, south, east);
    const double lat = m_center.m_lat.value;
    const double lon = m_center.m_lon.value;
    return CDoubleRect(lon + west, lat + north, lon + east, lat + south);
}

}  // namespace rq
