// The drawing context every control draws through: pens, brushes, fonts, text in a
// rectangle, shapes, icons and block copies, with the device's conventions: colours are
// 0x00BBGGRR, a line leaves out its last pixel, an ellipse or rounded rectangle stays
// inside right - 1 and bottom - 1, and the background of text is filled only in opaque
// mode. The Qt front end implements it over QPainter; tests record the calls.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "resources/IconIds.h"

namespace rq {

using Colour = std::uint32_t;  // 0x00BBGGRR

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>(c >> 16 & 0xFF);
}

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

// Right and bottom are outside the rectangle.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CRect Deflated(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    CRect Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool Contains(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend bool operator==(const CRect&, const CRect&) = default;
};

// The values are the device's pen style numbers, so stored styles convert directly.
enum class PenStyle : std::uint8_t { Solid = 0, Dash = 1, Dot = 2, Null = 5 };

struct CPen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Colour colour = 0x000000;
    friend bool operator==(const CPen&, const CPen&) = default;
};

struct CBrush {
    Colour colour = 0xFFFFFF;
    bool null = false;
    static constexpr CBrush Null() { return {0, true}; }
    friend bool operator==(const CBrush&, const CBrush&) = default;
};

// A logical font: cell height in pixels, weight (400 normal, 700 bold) and a face name of
// at most 31 characters, kept as named; the front end maps the name to an installed face.
struct CFont {
    int height = 0;
    int weight = 400;
    std::array<char16_t, 32> face{};

    std::u16string_view Face() const { return face.data(); }
    friend bool operator==(const CFont&, const CFont&) = default;
};

// Longer face names are cut to 31 characters.
CFont CreateControlFont(int height, int weight, std::u16string_view faceName);

enum class BkMode : std::uint8_t { Transparent = 1, Opaque = 2 };

// Flags of DrawText; left and top are the defaults. Bottom and vertical centring apply
// to single-line text only.
inline constexpr unsigned kTextLeft = 0x00;
inline constexpr unsigned kTextCenter = 0x01;
inline constexpr unsigned kTextRight = 0x02;
inline constexpr unsigned kTextVCenter = 0x04;
inline constexpr unsigned kTextBottom = 0x08;
inline constexpr unsigned kTextSingleLine = 0x20;

// What is selected into a context. A fresh context has a black solid pen of width 1, a
// white brush, the default font (height 0), black text on an opaque white background.
struct DCState {
    CPen pen;
    CBrush brush;
    CFont font;
    Colour textColour = 0x000000;
    Colour bkColour = 0xFFFFFF;
    BkMode bkMode = BkMode::Opaque;
    friend bool operator==(const DCState&, const DCState&) = default;
};

class CDC {
public:
    virtual ~CDC() = default;

    // Each returns what was selected before.
    CPen Select(const CPen& pen) { return Exchange(m_state.pen, pen); }
    CBrush Select(const CBrush& brush) { return Exchange(m_state.brush, brush); }
    CFont Select(const CFont& font) { return Exchange(m_state.font, font); }
    Colour SetTextColor(Colour c) { return Exchange(m_state.textColour, c); }
    Colour SetBkColor(Colour c) { return Exchange(m_state.bkColour, c); }
    BkMode SetBkMode(BkMode mode) { return Exchange(m_state.bkMode, mode); }
    const DCState& State() const { return m_state; }

    // Returns the saved level (1 for the first save); RestoreDC(level) brings back the
    // state of that save and drops it with every later one; -1 is the latest save. An
    // unknown level changes nothing.
    int SaveDC();
    bool RestoreDC(int level);

    virtual void FillRect(const CRect& rect, Colour colour) = 0;
    virtual void Line(CPoint from, CPoint to) = 0;
    virtual void Polyline(const CPoint* points, int count) = 0;
    virtual void Polygon(const CPoint* points, int count) = 0;
    virtual void Ellipse(const CRect& rect) = 0;
    virtual void RoundRect(const CRect& rect, CSize corner) = 0;
    // Without kTextSingleLine each line break starts a new line.
    virtual void DrawText(std::u16string_view text, const CRect& rect, unsigned flags) = 0;
    // Width of the widest line, height of all lines, in the selected font.
    virtual CSize GetTextExtent(std::u16string_view text) const = 0;
    virtual void DrawIcon(int x, int y, IconId icon) = 0;
    // Copies `dest`-sized pixels of `source` from `sourceTopLeft`; `source` comes from
    // this context's CreateCompatibleDC.
    virtual void BitBlt(const CRect& dest, CDC& source, CPoint sourceTopLeft) = 0;
    // An off-screen context of that size, or null when it cannot be made.
    virtual std::unique_ptr<CDC> CreateCompatibleDC(CSize size) = 0;

private:
    template <class T>
    T Exchange(T& slot, const T& value) {
        T old = slot;
        slot = value;
        return old;
    }

    DCState m_state;
    std::vector<DCState> m_saved;
};

// Selects a pen, brush or font for one scope and puts the previous one back.
template <class T>
class CDCSelect {
public:
    CDCSelect(CDC& dc, const T& object) : m_dc(dc), m_old(dc.Select(object)) {}
    ~CDCSelect() { m_dc.Select(m_old); }
    CDCSelect(const CDCSelect&) = delete;
    CDCSelect& operator=(const CDCSelect&) = delete;

private:
    CDC& m_dc;
    T m_old;
};

// SaveDC for one scope.
class CDCStateSaver {
public:
    explicit CDCStateSaver(CDC& dc) : m_dc(dc), m_level(dc.SaveDC()) {}
    ~CDCStateSaver() { m_dc.RestoreDC(m_level); }
    CDCStateSaver(const CDCStateSaver&) = delete;
    CDCStateSaver& operator=(const CDCStateSaver&) = delete;

private:
    CDC& m_dc;
    int m_level;
};

}  // namespace rq
