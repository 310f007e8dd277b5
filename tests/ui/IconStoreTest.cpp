#include <gtest/gtest.h>

#include <QImage>
#include <set>
#include <vector>

#include "poi/PoiTypeTable.h"
#include "resources/Menus.h"
#include "support/QtTestApp.h"
#include "ui/IconStore.h"

namespace rq {
namespace {

// A picture is more than a blank: some pixels opaque, and more than one colour.
bool HasDrawing(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    std::set<QRgb> colours;
    bool opaque = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
            opaque = opaque || qAlpha(image.pixel(x, y)) == 255;
        }
    }
    return opaque && colours.size() > 1;
}

TEST(IconStore, EveryIconAndButtonHasAPictureOfItsSize) {
    test::TestApp();
    // The POI type table's sizes, then the message marker and the two status icons.
    std::vector<std::pair<IconId, QSize>> icons;
    for (int type = 0; type <= static_cast<int>(IconId::PoiTypeLast); ++type)
        icons.emplace_back(PoiTypeIcon(type),
                           QSize(FindPoiType(type)->iconWidth, FindPoiType(type)->iconHeight));
    ASSERT_EQ(icons.size(), kPoiTypeCount);
    icons.insert(icons.end(), {{IconId::MessageMarker, {13, 11}},
                               {IconId::Recording, {28, 16}},
                               {IconId::Playback, {12, 16}}});
    for (const auto& [id, size] : icons) {
        const QPixmap& pixmap = ui::IconStore::Icon(id);
        SCOPED_TRACE(static_cast<int>(id));
        EXPECT_EQ(pixmap.size(), size);
        EXPECT_EQ(ui::IconStore::IconSize(id), size);
        EXPECT_TRUE(HasDrawing(pixmap));
        EXPECT_EQ(&pixmap, &ui::IconStore::Icon(id));  // made once
    }
    std::set<CommandId> buttons;
    for (int view = 0; view < 4; ++view)
        for (bool large : {false, true})
            for (CommandId command : resources::ButtonStrip(view, large)) buttons.insert(command);
    EXPECT_EQ(buttons.size(), 9u);
    for (CommandId command : buttons) {
        for (int size : {16, 31}) {
            SCOPED_TRACE(static_cast<int>(command) * 100 + size);
            const QPixmap& pixmap = ui::IconStore::Button(command, size);
            EXPECT_EQ(pixmap.size(), QSize(size, size));
            EXPECT_TRUE(HasDrawing(pixmap));
        }
    }
    EXPECT_TRUE(ui::IconStore::Icon(static_cast<IconId>(34)).isNull());
    EXPECT_TRUE(ui::IconStore::Button(CommandId::ZoomIn, 20).isNull());
    EXPECT_TRUE(ui::IconStore::Button(CommandId::Exit, 16).isNull());  // "Exit" has no button
    EXPECT_FALSE(ui::IconStore::ApplicationIcon().isNull());
}

}  // namespace
}  // namespace rq
