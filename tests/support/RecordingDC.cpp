#include "support/RecordingDC.h"

#include <algorithm>

namespace rq::test {

std::vector<std::u16string> RecordingDC::Texts() const {
    std::vector<std::u16string> out;
    for (const TextCall& t : Of<TextCall>()) out.push_back(t.text);
    return out;
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

std::unique_ptr<CDC> RecordingDC::CreateCompatibleDC(CSize size) {
    if (m_log->failCompatible || size.cx <= 0 || size.cy <= 0) return nullptr;
    ++m_log->compatibleMade;
    return std::unique_ptr<CDC>(new RecordingDC(m_log));
}

}  // namespace rq::test
