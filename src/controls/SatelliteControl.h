// The sky plot: the satellites of the current fix by elevation and azimuth, coloured
// by signal strength, with the dilution of precision, the satellite counts and the fix
// status in the corners and an indicator that advances with every fix.
#pragma once

#include "app/DisplayProfile.h"
#include "controls/GpsControl.h"

namespace rq {

class CSatelliteControl : public CGpsControl {
public:
    explicit CSatelliteControl(const CControlModel& data);

    std::u16string_view Title() const override { return u"Satellite Status Control"; }
    bool OnCreate() override;
    void Draw(CDC& dc, const CRect& rect) override;

    // The font heights of the profile; before OnCreate.
    void ApplyProfile(const DisplayProfile& profile);
    // The phase goes 0, 1, 2, 3, 0, ...; no repaint of its own.
    void AdvanceBlink() { m_blinkPhase = (m_blinkPhase + 1) % 4; }
    void SetShowNumber();
    void SetShowSignal();

    // The plot: the largest square centred in `rect`.
    static CRect PlotSquare(const CRect& rect);

    CFont m_fontPlot;
    CFont m_fontCorner;
    int m_plotFontHeight = 12;
    int m_cornerFontHeight = 12;
    int m_showNumber = 1;
    int m_showSignal = 0;
    std::int32_t m_blinkPhase = 0;

private:
    void DrawGrid(CDC& dc, const CRect& square) const;
    void DrawSatellites(CDC& dc, const CRect& square) const;
    void DrawCorners(CDC& dc, const CRect& rect) const;
};

}  // namespace rq
