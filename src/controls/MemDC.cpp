#include "controls/MemDC.h"

namespace rq {

bool CMemDC::Create(CDC& reference, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    std::unique_ptr<CDC> dc = reference.CreateCompatibleDC({width, height});
    if (!dc) return false;
    m_dc = std::move(dc);
    m_width = width;
    m_height = height;
    return true;
}

}  // namespace rq
