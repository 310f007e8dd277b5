// Where the Qt drawing context finds the picture of an icon id. This base has none; a
// source with pictures derives from it.
#pragma once

#include <QPixmap>

#include "resources/IconIds.h"

namespace rq::ui {

class IconSource {
public:
    virtual ~IconSource() = default;
    // The picture at its natural size, or a null pixmap.
    virtual QPixmap Pixmap(IconId) const { return {}; }
};

}  // namespace rq::ui
