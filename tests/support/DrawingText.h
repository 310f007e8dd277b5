// A recorded drawing as text, one call a line, to compare a whole paint with a file of
// tests/data/ ('#' lines there are comments). Colours are 0xBBGGRR in hex, pens
// style/width/colour, fonts height/weight/face, rectangles left,top,right,bottom.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "support/CaseTable.h"
#include "support/RecordingDC.h"

namespace rq::test {

inline std::string DrawingText(const DrawCall& call) {
    auto f = [](const char* format, auto... values) {
        char text[128];
        std::snprintf(text, sizeof text, format, values...);
        return std::string(text);
    };
    auto rect = [&](const CRect& r) { return f("%d,%d,%d,%d", r.left, r.top, r.right, r.bottom); };
    auto pen = [&](const CPen& p) {
        return f(" pen %d/%d/%06X", static_cast<int>(p.style), p.width, p.colour);
    };
    auto brush = [&](const CBrush& b) {
        return b.null ? " brush null" : f(" brush %06X", b.colour);
    };
    auto points = [&](const std::vector<CPoint>& ps) {
        std::string out;
        for (CPoint p : ps) out += f(" %d,%d", p.x, p.y);
        return out;
    };
    if (auto* c = std::get_if<FillRectCall>(&call))
        return "fill " + rect(c->rect) + f(" %06X", c->colour);
    if (auto* c = std::get_if<LineCall>(&call))
        return "line" + points({c->from, c->to}) + pen(c->pen);
    if (auto* c = std::get_if<PolylineCall>(&call))
        return "polyline" + points(c->points) + pen(c->pen);
    if (auto* c = std::get_if<PolygonCall>(&call))
        return "polygon" + points(c->points) + pen(c->pen) + brush(c->brush);
    if (auto* c = std::get_if<EllipseCall>(&call))
        return "ellipse " + rect(c->rect) + pen(c->pen) + brush(c->brush);
    if (auto* c = std::get_if<RoundRectCall>(&call))
        return "roundrect " + rect(c->rect) + f(" corner %d,%d", c->corner.cx, c->corner.cy) +
               pen(c->pen) + brush(c->brush);
    if (auto* c = std::get_if<TextCall>(&call))
        return "text \"" + platform::ToUtf8(c->text) + "\" " + rect(c->rect) +
               f(" flags %02X font %d/%d/", c->flags, c->font.height, c->font.weight) +
               platform::ToUtf8(c->font.Face()) + f(" %06X on %06X ", c->textColour, c->bkColour) +
               (c->bkMode == BkMode::Transparent ? "transparent" : "opaque");
    if (auto* c = std::get_if<IconCall>(&call)) return f("icon %d,%d %d", c->x, c->y, int(c->icon));
    const BlitCall& b = std::get<BlitCall>(call);
    return "blit " + rect(b.dest) + f(" from %d,%d", b.sourceTopLeft.x, b.sourceTopLeft.y);
}

// Every call `dc` holds is the line of tests/data/`name` in its place; a failure shows
// the first difference and the whole drawing.
inline void ExpectDrawing(const RecordingDC& dc, const std::string& name) {
    const auto expected = CaseTable(name, '\t');
    std::string all;
    for (const DrawCall& call : dc.Calls()) all += DrawingText(call) + "\n";
    for (std::size_t i = 0; i < expected.size() && i < dc.Calls().size(); ++i) {
        const std::string drawn = DrawingText(dc.Calls()[i]);
        if (drawn != expected[i][0]) {
            ADD_FAILURE() << name << ", call " << i + 1 << ": drew\n  " << drawn << "\nnot\n  "
                          << expected[i][0] << "\nWhole drawing:\n"
                          << all;
            return;
        }
    }
    EXPECT_EQ(dc.Calls().size(), expected.size()) << name << ", whole drawing:\n" << all;
}

}  // namespace rq::test
