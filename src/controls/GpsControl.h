// The base of the four display controls: painting through an off-screen context made
// once, the polar geometry of the sky plot and the compass, and what the controls
// share (signal colours, angle folding, message 2024). A control keeps no copy of the
// GPS state: it reads the main view's model while painting. The window around it is
// the front end's; everything here runs without one.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "controls/ControlModel.h"
#include "controls/DC.h"
#include "controls/MemDC.h"
#include "platform/Window.h"

namespace rq {

// Virtual key codes the controls' host forwards.
inline constexpr int kKeyAction = 13;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

class CGpsControl {
public:
    explicit CGpsControl(const CControlModel& data);
    virtual ~CGpsControl();
    CGpsControl(const CGpsControl&) = delete;
    CGpsControl& operator=(const CGpsControl&) = delete;

    // The window title ("GPS Map Control", ...).
    virtual std::u16string_view Title() const = 0;
    // The creation handler: makes the fonts from the sizes set before. False makes the
    // window's creation fail.
    virtual bool OnCreate() { return true; }
    virtual void OnSize(int width, int height);
    // A tap at a client point; true when the control changed and wants a repaint.
    virtual bool OnTap(CPoint) { return false; }
    // True when the key was used; the host passes other keys on to its parent.
    virtual bool OnKeyDown(int) { return false; }

    // Message handler: message 2024 with code 1 hands its payload to OnDataObject and
    // then destroys it, whatever OnDataObject did; other messages are left alone.
    std::intptr_t OnMessage(platform::WindowMessage& message);
    virtual void OnDataObject(platform::MessagePayload*) {}

    // Paints everything into `dc` for the client rectangle `rect`.
    virtual void Draw(CDC& dc, const CRect& rect) = 0;
    // The paint cycle: draw off-screen and copy, or straight into `paintDc` when no
    // off-screen context can be had.
    void Paint(CDC& paintDc, const CRect& client);

    // Polar geometry over the circle inscribed in the width of `rect` (callers pass a
    // square): elevation 90 is the centre, 0 the rim; azimuth 0 is up, growing clockwise.
    virtual CPoint PolarToPoint(int elevation, int azimuth, const CRect& rect) const;
    // Text centred on the polar point.
    virtual void DrawPolarText(CDC& dc, std::u16string_view text, int elevation, int azimuth,
                               const CRect& rect) const;
    // A stroke of `length` pixels from the polar point towards the centre.
    virtual void DrawPolarTick(CDC& dc, int elevation, int azimuth, int length,
                               const CRect& rect) const;
    virtual void DrawPolarLine(CDC& dc, int elevation1, int azimuth1, int elevation2, int azimuth2,
                               const CRect& rect) const;
    // With the selected pen and brush.
    virtual void DrawCircle(CDC& dc, int x, int y, int radius) const;
    virtual void DrawPolarCircle(CDC& dc, int elevation, int azimuth, const CRect& rect,
                                 int radius) const;

    // Single-line text centred on `centre`, in a box 2 pixels wider on every side.
    static void DrawTextCentredOn(CDC& dc, std::u16string_view text, CPoint centre);

    // [0, 360); infinities and NaN come back as NaN.
    static double NormalizeDegrees(double degrees);
    // Red at 0 %, yellow at 50 %, green at 100 %; out-of-range values clamp.
    static Colour SignalColor(int percent);

    // The host sets how the control asks for a repaint.
    void SetInvalidate(std::function<void()> invalidate) { m_invalidate = std::move(invalidate); }
    void Invalidate() const {
        if (m_invalidate) m_invalidate();
    }
    CSize ClientSize() const { return m_clientSize; }
    const CMemDC& MemDC() const { return m_memDC; }

private:
    CControlModel m_model;

public:
    // The model, not owned; set by the constructor and never changed.
    const CControlModel* const m_pData = &m_model;
    Colour m_crBackground = 0xFFFFFF;

private:
    CMemDC m_memDC;
    CSize m_clientSize;
    std::function<void()> m_invalidate;
};

}  // namespace rq
