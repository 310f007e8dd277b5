// The compass rose, turned so that the course over ground points up, with the north and
// south needle and, while navigating, a dot for the bearing to the target coloured by
// whether the distance shrank or grew since the previous paint.
#pragma once

#include "app/DisplayProfile.h"
#include "controls/GpsControl.h"

namespace rq {

// The target dot's colour and distance of the last paint. They belong to the whole
// program, not to one compass: the colour tells the change since whichever paint came
// before, whatever caused the repaint.
struct CCompassTargetMemory {
    Colour colour = 0x808080;
    double distance = 9e+100;

    // The one the program's compasses share.
    static CCompassTargetMemory& Program();
};

class CCompassControl : public CGpsControl {
public:
    explicit CCompassControl(const CControlModel& data,
                             CCompassTargetMemory& memory = CCompassTargetMemory::Program());

    std::u16string_view Title() const override { return u"Compass Control"; }
    bool OnCreate() override;
    void Draw(CDC& dc, const CRect& rect) override;
    // The base geometry turned by the course, truncated to whole degrees.
    CPoint PolarToPoint(int elevation, int azimuth, const CRect& rect) const override;

    void ApplyProfile(const DisplayProfile& profile);

    int m_headingFontSize = 26;
    int m_smallFontSize = 12;
    int m_largeFontSize = 18;
    std::u16string m_faceName = u"Tahoma";
    Colour m_crApproach = 0x00FF00;
    Colour m_crRecede = 0x0000FF;
    Colour m_crHeadingMark = 0xFF8080;
    Colour m_crNorth = 0xB40000;
    Colour m_crSouth = 0x0000C0;
    Colour m_crMinorLabel = 0x808080;
    Colour m_crMajorLabel = 0x800000;
    Colour m_crHeadingText = 0x000000;
    Colour m_crDistanceText = 0x000000;

    CFont m_headingFont;
    CFont m_smallFont;
    CFont m_largeFont;

private:
    int Course() const;
    void DrawTarget(CDC& dc, const CRect& square, int course) const;
    void FillCircle(CDC& dc, CPoint centre, int radius, Colour colour) const;

    CCompassTargetMemory& m_memory;
};

}  // namespace rq
