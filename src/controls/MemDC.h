// The off-screen context a control paints into before copying to the screen.
#pragma once

#include <memory>

#include "controls/DC.h"

namespace rq {

class CMemDC {
public:
    // A context compatible with `reference` of width x height; false when it cannot be
    // made (this object then stays empty).
    bool Create(CDC& reference, int width, int height);

    CDC* Get() const { return m_dc.get(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    std::unique_ptr<CDC> m_dc;
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
};

}  // namespace rq
