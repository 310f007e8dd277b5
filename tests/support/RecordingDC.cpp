#include "support/RecordingDC.h"

#include <algorithm>

namespace rq::test {

RecordingDC::RecordingDC() : m_log(std::make_shared<Log>()) {}

RecordingDC::RecordingDC(std::shared_ptr<Log> log, CSize size)
    : m_log(std::move(log)), m_size(size) {}

std::vector<std::u16string> RecordingDC::Texts() const {
    std::vector<std::u16string> out;
    for (const TextCall& t : Of<TextCall>()) out.push_back(t.text);
    return out;
}

void RecordingDC::FillRect(const CRect& rect, Colour colour) {
    m_log->calls.push_back(FillRectCall{rect, colour});
}

void RecordingDC::Line(CPoint from, CPoint to) {
    m_log->calls.push_back(LineCall{from, to, State().pen});
}

void RecordingDC::Polyline(const CPoint* points, int count) {
    m_log->calls.push_back(PolylineCall{{points, points + std::max(count, 0)}, State().pen});
}

void RecordingDC::Polygon(const CPoint* points, int count) {
    m_log->calls.push_back(
        PolygonCall{{points, points + std::max(count, 0)}, State().pen, State().brush});
}

void RecordingDC::Ellipse(const CRect& rect) {
    m_log->calls.push_back(EllipseCall{rect, State().pen, State().brush});
}

void RecordingDC::RoundRect(const CRect& rect, CSize corner) {
    m_log->calls.push_back(RoundRectCall{rect, corner, State().pen, State().brush});
}

void RecordingDC::DrawText(std::u16string_view text, const CRect& rect, unsigned flags) {
    const DCState& s = State();
    m_log->calls.push_back(
        TextCall{std::u16string(text), rect, flags, s.font, s.textColour, s.bkColour, s.bkMode});
}

CSize RecordingDC::GetTextExtent(std::u16string_view text) const {
    const int height = State().font.height > 0 ? State().font.height : 16;
    int lines = 1;
    std::size_t widest = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\n') {
            std::size_t len = i - start;
            if (len > 0 && text[i - 1] == u'\r') --len;
            widest = std::max(widest, len);
            if (i < text.size()) ++lines;
            start = i + 1;
        }
    }
    return {static_cast<int>(widest) * height * 6 / 10, lines * height};
}

void RecordingDC::DrawIcon(int x, int y, IconId icon) {
    m_log->calls.push_back(IconCall{x, y, icon});
}

void RecordingDC::BitBlt(const CRect& dest, CDC& source, CPoint sourceTopLeft) {
    m_log->calls.push_back(BlitCall{dest, &source, sourceTopLeft});
}

std::unique_ptr<CDC> RecordingDC::CreateCompatibleDC(CSize size) {
    if (m_log->failCompatible || size.cx <= 0 || size.cy <= 0) return nullptr;
    ++m_log->compatibleMade;
    return std::unique_ptr<CDC>(new RecordingDC(m_log, size));
}

}  // namespace rq::test
