// The map: the model's route, friend tracks, own track with its position marker,
// navigation line, position texts and POIs on a plain background, drawn through the
// viewport, with a scale bar, a coordinate bar, status icons and a centre cross.
#pragma once

#include <optional>
#include <vector>

#include "controls/GpsControl.h"
#include "controls/MapViewport.h"
#include "geo/DoubleRect.h"

namespace rq {

class CGpsTrack;
class CGpsTrackInfo;
class CPoiCollection;
struct DisplayProfile;

// An icon the map draws with its natural size; `icon` empty when there is none.
struct MapIcon {
    std::optional<IconId> icon;
    int width = 0;
    int height = 0;
    bool shown = false;
};

class CGpsMapControl : public CGpsControl {
public:
    explicit CGpsMapControl(const CControlModel& data);

    std::u16string_view Title() const override { return u"GPS Map Control"; }
    // Makes the five map fonts from the sizes set before.
    bool OnCreate() override;
    void OnSize(int width, int height) override;
    // Centres the map on the tapped point.
    bool OnTap(CPoint point) override;
    void Draw(CDC& dc, const CRect& rect) override;

    // The text sizes and the POI name view width of the profile; before OnCreate.
    void ApplyDisplayProfile(const DisplayProfile& profile);

    // Viewport operations. The centre and the scale (with redraw) repaint; the zoom
    // steps leave that to the caller.
    void SetCenter(const CCoordinate& center);
    const CCoordinate& GetCenter() const { return m_view.GetCenter(); }
    void SetScale(double metresPerPixel, bool redraw);
    double GetScale() const { return m_view.GetScale(); }
    bool CanZoomIn() const { return m_view.CanZoomIn(); }
    bool CanZoomOut() const { return m_view.CanZoomOut(); }
    bool ZoomIn() { return m_view.ZoomIn(); }
    bool ZoomOut() { return m_view.ZoomOut(); }
    // Nothing while the map is hidden; see CMapViewport::Scroll.
    void Scroll(double fractionX, double fractionY);
    bool IsMicroScroll() const { return m_view.IsMicroScroll(); }
    void SetMicroScroll(bool on) { m_view.SetMicroScroll(on); }
    CPoint GeoToScreen(const CCoordinate& point) const { return m_view.GeoToScreen(point); }
    CCoordinate ScreenToGeo(CPoint point) const { return m_view.ScreenToGeo(point); }
    CPoint GetClientCenter() const { return m_view.GetClientCenter(); }
    CDoubleRect GetVisibleArea() const { return m_view.GetVisibleArea(); }
    const CMapViewport& Viewport() const { return m_view; }
    // Follow mode: back on the current fix when the track's follow flag is on and the
    // fix is valid; true when it moved the centre.
    bool FollowFix();

    // The host tells whether the map is the visible view.
    void SetVisible(bool visible) { m_windowVisible = visible; }
    bool IsVisible() const { return m_windowVisible; }

    // Display switches; each repaints.
    void SetShowPoi(bool on);
    void SetShowPositionMessage(bool on);
    void SetShowTrackInfo(bool on);
    bool GetShowPoi() const { return m_showPoi; }
    bool GetShowPositionMessage() const { return m_showPositionMessage; }
    bool GetShowTrackInfo() const { return m_showTrackInfo; }

    // Drawing members, 0x00BBGGRR colours and pixel sizes.
    Colour m_crNavLine = 0xC08080;
    PenStyle m_navLineStyle = PenStyle::Dot;
    int m_navLineWidth = 1;
    Colour m_crRoute = 0x00FF00;
    PenStyle m_routeLineStyle = PenStyle::Solid;
    int m_routeLineWidth = 3;
    Colour m_crRouteTail = 0xFF00FF;
    Colour m_crRouteHead = 0x0000FF;
    Colour m_crMessageText = 0x808080;
    Colour m_crPoiText = 0x808080;
    Colour m_crScaleText = 0x000000;
    Colour m_crScaleBar = 0x000000;
    Colour m_crCoordBarBack = 0x000000;
    Colour m_crCoordBarText = 0xFFFFFF;
    int m_crossSize = 5;
    Colour m_crCross = 0x000000;
    Colour m_crMilestone = 0xFF0000;
    Colour m_crMilestoneText = 0x808080;
    int m_milestoneRadius = 3;
    int m_arrowSize = 4;
    int m_markerRadius = 7;
    int m_headingGap = 13;
    double m_minHeadingSpeed = 1.0;  // km/h
    Colour m_crHeading = 0x4080FF;
    Colour m_crTrackText = 0x000000;
    Colour m_crTarget = 0x0000FF;
    int m_targetRadius = 3;
    std::u16string_view m_fontFace = u"Tahoma";
    MapIcon m_messageIcon;
    MapIcon m_recordIcon{IconId::Recording, 28, 16, false};
    MapIcon m_playIcon{IconId::Playback, 12, 16, false};

    // Font sizes, copied from the display profile before creation.
    int m_scaleTextSize = 14;
    bool m_scaleTextBold = false;
    int m_smallTextSize = 14;
    int m_normalTextSize = 16;
    int m_largeTextSize = 20;
    int m_coordBarTextSize = 14;

private:
    void CreateFonts();

    // The steps of Draw.
    void DrawRoute(CDC& dc);
    void DrawTrack(CDC& dc, CGpsTrackInfo& track);
    void DrawNavigation(CDC& dc, int width, int height);
    void DrawPositionTexts(CDC& dc);
    void DrawPois(CDC& dc, const CPoiCollection& pois, std::optional<Colour> frame);
    void DrawScaleBar(CDC& dc, const CRect& rect);
    void DrawCoordinateBar(CDC& dc, const CRect& rect);
    void DrawStatusIcons(CDC& dc, const CRect& rect);
    void DrawCross(CDC& dc, const CRect& rect);

    // Parts of the track drawing.
    void DrawClippedPolyline(CDC& dc, const CCoordinate* lead, const CGpsTrack& points);
    void DrawMilestones(CDC& dc, const CGpsTrack& track);
    void DrawPositionMarker(CDC& dc, const CGpsTrackInfo& track, CPoint at, int width, int height);
    void DrawTrackLabels(CDC& dc, CGpsTrackInfo& track, CPoint at);

    // Text centred on a point, on one line.
    static void DrawCentred(CDC& dc, std::u16string_view text, CPoint centre);

    CMapViewport m_view;
    bool m_showPoi = true;
    bool m_showPositionMessage = true;
    bool m_showTrackInfo = true;
    bool m_windowVisible = true;

    CFont m_scaleFont;
    CFont m_smallFont;
    CFont m_normalFont;
    CFont m_largeFont;
    CFont m_coordBarFont;

    // Per paint: the visible area, and the screen points of one polyline, kept between
    // paints so that a long track costs no allocation once the buffer has grown.
    CDoubleRect m_area;
    std::vector<CPoint> m_points;
};

}  // namespace rq
