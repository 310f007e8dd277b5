#include "controls/GpsControl.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/Screen.h"
#include "geo/Rounding.h"
#include "keepers/PositionMessage.h"
#include "resources/MessageIds.h"

namespace rq {

namespace {

constexpr long long kFarPixels = 1'000'000;

}  // namespace

CGpsControl::CGpsControl(const CControlModel& data) : m_model(data) {}

CGpsControl::~CGpsControl() = default;

void CGpsControl::OnSize(int width, int height) {
    m_clientSize = {width, height};
}

std::intptr_t CGpsControl::OnMessage(platform::WindowMessage& message) {
    if (message.id == kMsgPosition && message.wParam == kPositionNewFix) {
        OnDataObject(message.payload.get());
        message.payload.reset();
    }
    return 0;
}

void CGpsControl::Paint(CDC& paintDc, const CRect& client) {
    const int width = client.Width();
    const int height = client.Height();
    // Screen-sized, so resizing never needs a new bitmap. A client bigger than the
    // screen (possible off the device) widens the one bitmap made at the first paint.
    if (!m_memDC.Get())
        m_memDC.Create(paintDc, std::max(ScreenWidth(), width), std::max(ScreenHeight(), height));
    CDC* mem = m_memDC.Get();
    // A later client larger than the bitmap would copy pixels never drawn: paint directly.
    if (mem && width <= m_memDC.Width() && height <= m_memDC.Height()) {
        CDCStateSaver saver(*mem);
        Draw(*mem, client);
        paintDc.BitBlt({0, 0, width, height}, *mem, {0, 0});
    } else {
        Draw(paintDc, client);
    }
}

CPoint CGpsControl::PolarToPoint(int elevation, int azimuth, const CRect& rect) const {
    const int r = rect.Width() / 2;
    const long long cx = rect.left + r;
    const long long cy = rect.top + r;
    // 64 bits: a receiver's elevation is not bounded. Points that far out are clamped to
    // a million pixels, where they are off any screen and leave room for arithmetic.
    const long long radius = r - static_cast<long long>(r) * elevation / 90;
    const double a = azimuth * std::numbers::pi / 180.0;
    const auto clamp = [](long long v) {
        return static_cast<int>(std::clamp(v, -kFarPixels, kFarPixels));
    };
    return {clamp(cx + RoundHalfAway(static_cast<double>(radius) * std::sin(a))),
            clamp(cy - RoundHalfAway(static_cast<double>(radius) * std::cos(a)))};
}

void CGpsControl::DrawPolarText(CDC& dc, std::u16string_view text, int elevation, int azimuth,
                                const CRect& rect) const {
    DrawTextCentredOn(dc, text, PolarToPoint(elevation, azimuth, rect));
}

void CGpsControl::DrawTextCentredOn(CDC& dc, std::u16string_view text, CPoint p) {
    const CSize size = dc.GetTextExtent(text);
    const CRect box{p.x - size.cx / 2 - 2, p.y - size.cy / 2 - 2, p.x + size.cx / 2 + 2,
                    p.y + size.cy / 2 + 2};
    dc.DrawText(text, box, kTextCenter | kTextVCenter | kTextSingleLine);
}

void CGpsControl::DrawPolarTick(CDC& dc, int elevation, int azimuth, int length,
                                const CRect& rect) const {
    const CPoint p = PolarToPoint(elevation, azimuth, rect);
    const double a = azimuth * std::numbers::pi / 180.0;
    dc.Line(p,
            {p.x - RoundHalfAway(length * std::sin(a)), p.y + RoundHalfAway(length * std::cos(a))});
}

void CGpsControl::DrawPolarLine(CDC& dc, int elevation1, int azimuth1, int elevation2, int azimuth2,
                                const CRect& rect) const {
    dc.Line(PolarToPoint(elevation1, azimuth1, rect), PolarToPoint(elevation2, azimuth2, rect));
}

void CGpsControl::DrawCircle(CDC& dc, int x, int y, int radius) const {
    dc.Ellipse({x - radius, y - radius, x + radius, y + radius});
}

void CGpsControl::DrawPolarCircle(CDC& dc, int elevation, int azimuth, const CRect& rect,
                                  int radius) const {
    const CPoint p = PolarToPoint(elevation, azimuth, rect);
    DrawCircle(dc, p.x, p.y, radius);
}

double CGpsControl::NormalizeDegrees(double degrees) {
    // fmod instead of repeated steps of 360: a huge or infinite angle must not hang.
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    if (d >= 360.0) d -= 360.0;
    return d;
}

Colour CGpsControl::SignalColor(int percent) {
    const int p = std::clamp(percent, 0, 100);
    if (p <= 50) return Rgb(255, p * 255 / 50, 0);
    return Rgb((100 - p) * 255 / 50, 255, 0);
}

}  // namespace rq
