// The map's viewport: which point lies at the centre of the client area, how many
// metres a pixel covers, and the local flat projection between the two. North is up;
// metres per degree of longitude are taken at the centre's latitude and recomputed
// whenever the centre moves. No wrapping across the 180th meridian.
#pragma once

#include "controls/DC.h"
#include "geo/Coordinate.h"
#include "geo/DoubleRect.h"

namespace rq {

class CMapViewport {
public:
    static constexpr double kZoomFactor = 4.0 / 3.0;
    static constexpr double kMinViewWidth = 50.0;
    static constexpr double kMaxViewWidth = 200000.0;

    CMapViewport();

    // The client rectangle the projection maps onto; the limits and the centre pixel
    // follow it.
    void SetClientRect(int left, int top, int right, int bottom);
    int Width() const { return m_right - m_left; }
    int Height() const { return m_bottom - m_top; }

    // False, and nothing changed, for an invalid coordinate.
    bool SetCenter(const CCoordinate& center);
    const CCoordinate& GetCenter() const { return m_center; }
    // The limits are not applied here; they only gate the zoom steps.
    void SetScale(double metresPerPixel) { m_scale = metresPerPixel; }
    double GetScale() const { return m_scale; }

    bool CanZoomIn() const;
    bool CanZoomOut() const;
    // One step of 4/3; false, and the scale unchanged, at a limit.
    bool ZoomIn();
    bool ZoomOut();

    // Moves the centre by the fractions of the client size (x to the right, y upwards),
    // or by one pixel per call in micro-scroll mode. False when the centre stayed.
    bool Scroll(double fractionX, double fractionY);
    bool IsMicroScroll() const { return m_microScroll; }
    void SetMicroScroll(bool on) { m_microScroll = on; }

    // Metres across the client width at or below which POI names are drawn.
    void SetPoiNameViewWidth(double metres) { m_poiNameViewWidth = metres; }
    double GetPoiNameViewWidth() const { return m_poiNameViewWidth; }
    bool ShowsPoiNames() const;

    CPoint GetClientCenter() const;
    CPoint GeoToScreen(const CCoordinate& point) const;
    // Normalised: over a pole the latitude folds back, the longitude wraps once.
    CCoordinate ScreenToGeo(CPoint point) const;
    // The rectangle of the projection plane that fills the client area.
    CDoubleRect GetVisibleArea() const;

    double MetresPerDegreeLatitude() const { return m_metersPerDegreeLat; }
    double MetresPerDegreeLongitude() const { return m_metersPerDegreeLon; }

private:
    // The geographic point under a pixel before normalisation.
    void PlaneOffset(CPoint point, double& dLat, double& dLon) const;

    CCoordinate m_center{0, 0};
    double m_metersPerDegreeLat;
    double m_metersPerDegreeLon;
    double m_scale = 1.0;
    double m_poiNameViewWidth = 200000.0;
    bool m_microScroll = false;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
};

}  // namespace rq
