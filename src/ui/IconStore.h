// Pictures of the icons the display controls draw and of the command-bar buttons,
// rendered once from their SVG sources at their stated sizes and kept for the run.
// Use on the GUI thread only.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <cstdint>

#include "resources/CommandIds.h"
#include "resources/IconIds.h"
#include "ui/IconSource.h"

namespace rq::ui {

class IconStore {
public:
    // The stated size of an icon; empty for an id without a picture.
    static QSize IconSize(IconId id);
    // A null pixmap for an id without a picture.
    static const QPixmap& Icon(IconId id);
    // The button-strip image of a command at 16 or 31 pixels; null when the command
    // has no button image or the size is another one.
    static const QPixmap& Button(CommandId command, int size);
    static QIcon ApplicationIcon();
    // The view's destruction gives back the POI type pictures; they are rendered again
    // when next drawn.
    static void ReleasePoiTypeIcons();
    static int CachedIconCount();
};

// The stored pictures as the icon source of the Qt drawing context.
class StoredIconSource : public IconSource {
public:
    QPixmap Pixmap(IconId id) const override { return IconStore::Icon(id); }
};

}  // namespace rq::ui
