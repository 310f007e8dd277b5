// A drawing context that records each call as a plain struct, with what was selected
// at the time, and measures text with fixed metrics: a character is 0.6 x the font
// height wide (truncated over the whole line), a line is the font height high (16 for
// the default font). Contexts made by CreateCompatibleDC record into the same list, so
// a paint through an off-screen context reads in one order.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "controls/DC.h"

namespace rq::test {

struct FillRectCall {
    CRect rect;
    Colour colour;
};
struct LineCall {
    CPoint from, to;
    CPen pen;
};
struct PolylineCall {
    std::vector<CPoint> points;
    CPen pen;
};
struct PolygonCall {
    std::vector<CPoint> points;
    CPen pen;
    CBrush brush;
};
struct EllipseCall {
    CRect rect;
    CPen pen;
    CBrush brush;
};
struct RoundRectCall {
    CRect rect;
    CSize corner;
    CPen pen;
    CBrush brush;
};
struct TextCall {
    std::u16string text;
    CRect rect;
    unsigned flags;
    CFont font;
    Colour textColour;
    Colour bkColour;
    BkMode bkMode;
};
struct IconCall {
    int x, y;
    IconId icon;
};
struct BlitCall {
    CRect dest;
    const CDC* source;
    CPoint sourceTopLeft;
};

using DrawCall = std::variant<FillRectCall, LineCall, PolylineCall, PolygonCall, EllipseCall,
                              RoundRectCall, TextCall, IconCall, BlitCall>;

class RecordingDC : public CDC {
public:
    RecordingDC() : m_log(std::make_shared<Log>()) {}

    const std::vector<DrawCall>& Calls() const { return m_log->calls; }
    void Clear() { m_log->calls.clear(); }
    // Calls of one kind, in order.
    template <class T>
    std::vector<T> Of() const {
        std::vector<T> out;
        for (const DrawCall& c : m_log->calls)
            if (const T* t = std::get_if<T>(&c)) out.push_back(*t);
        return out;
    }
    // The texts drawn, in order.
    std::vector<std::u16string> Texts() const;
    // How many off-screen contexts were made, by this context and its offspring.
    int CompatibleCount() const { return m_log->compatibleMade; }
    // Makes the next CreateCompatibleDC fail.
    void FailCompatible(bool fail) { m_log->failCompatible = fail; }

    void FillRect(const CRect& rect, Colour colour) override { Add(FillRectCall{rect, colour}); }
    void Line(CPoint from, CPoint to) override { Add(LineCall{from, to, State().pen}); }
    void Polyline(const CPoint* points, int count) override {
        Add(PolylineCall{{points, points + std::max(count, 0)}, State().pen});
    }
    void Polygon(const CPoint* points, int count) override {
        Add(PolygonCall{{points, points + std::max(count, 0)}, State().pen, State().brush});
    }
    void Ellipse(const CRect& rect) override { Add(EllipseCall{rect, State().pen, State().brush}); }
    void RoundRect(const CRect& rect, CSize corner) override {
        Add(RoundRectCall{rect, corner, State().pen, State().brush});
    }
    void DrawText(std::u16string_view text, const CRect& rect, unsigned flags) override {
        const DCState& s = State();
        Add(TextCall{std::u16string(text), rect, flags, s.font, s.textColour, s.bkColour,
                     s.bkMode});
    }
    CSize GetTextExtent(std::u16string_view text) const override;
    void DrawIcon(int x, int y, IconId icon) override { Add(IconCall{x, y, icon}); }
    void BitBlt(const CRect& dest, CDC& source, CPoint sourceTopLeft) override {
        Add(BlitCall{dest, &source, sourceTopLeft});
    }
    std::unique_ptr<CDC> CreateCompatibleDC(CSize size) override;

private:
    struct Log {
        std::vector<DrawCall> calls;
        int compatibleMade = 0;
        bool failCompatible = false;
    };
    explicit RecordingDC(std::shared_ptr<Log> log) : m_log(std::move(log)) {}
    void Add(DrawCall call) { m_log->calls.push_back(std::move(call)); }

    std::shared_ptr<Log> m_log;
};

}  // namespace rq::test
