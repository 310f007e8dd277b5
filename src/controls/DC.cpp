#include "controls/DC.h"

#include <algorithm>

namespace rq {

CFont CreateControlFont(int height, int weight, std::u16string_view faceName) {
    CFont font;
    font.height = height;
    font.weight = weight;
    const std::size_t n = std::min(faceName.size(), font.face.size() - 1);
    faceName.copy(font.face.data(), n);
    return font;
}

int CDC::SaveDC() {
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

bool CDC::RestoreDC(int level) {
    const int count = static_cast<int>(m_saved.size());
    if (level == -1) level = count;
    if (level < 1 || level > count) return false;
    m_state = m_saved[static_cast<std::size_t>(level - 1)];
    m_saved.resize(static_cast<std::size_t>(level - 1));
    return true;
}

}  // namespace rq
