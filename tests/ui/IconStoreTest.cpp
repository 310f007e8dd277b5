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

std::vector<IconId> AllIcons() {
    std::vector<IconId> ids;
    for (int type = 0; type <= static_cast<int>(IconId::PoiTypeLast); ++type)
        ids.push_back(PoiTypeIcon(type));
    for (IconId id : {IconId::MessageMarker, IconId::Recording, IconId::Playback})
        ids.push_back(id);
    return ids;
}

std::set<CommandId> AllButtons() {
    std::set<CommandId> commands;
    for (int view = 0; view < 4; ++view) {
        for (bool large : {false, true}) {
            for (CommandId command : resources::ButtonStrip(view, large)) commands.insert(command);
        }
    }
    return commands;
}

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
    std::vector<QSize> stated;
    for (std::uint32_t type = 0; type < kPoiTypeCount; ++type)
        stated.emplace_back(FindPoiType(type)->iconWidth, FindPoiType(type)->iconHeight);
    stated.insert(stated.end(), {{13, 11}, {28, 16}, {12, 16}});
    const std::vector<IconId> icons = AllIcons();
    ASSERT_EQ(icons.size(), stated.size());
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const QPixmap& pixmap = ui::IconStore::Icon(icons[i]);
        SCOPED_TRACE(static_cast<int>(icons[i]));
        EXPECT_EQ(pixmap.size(), stated[i]);
        EXPECT_EQ(ui::IconStore::IconSize(icons[i]), stated[i]);
        EXPECT_TRUE(HasDrawing(pixmap));
        EXPECT_EQ(&pixmap, &ui::IconStore::Icon(icons[i]));  // made once
    }
    EXPECT_EQ(AllButtons().size(), 9u);
    for (CommandId command : AllButtons()) {
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
