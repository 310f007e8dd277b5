#include <gtest/gtest.h>

#include "resources/Menus.h"

namespace rq::resources {
namespace {

TEST(Menus, BarsAndStrips) {
    const std::vector<MenuItem>& popups = MainMenuPopups();
    ASSERT_EQ(popups.size(), 11u);
    EXPECT_EQ(std::u16string(popups[2].items[3].text), u"Zoom && Scroll");
    EXPECT_EQ(popups[4].kind, MenuItem::Kind::Command);  // "Compass Actions"
    // The captions are checked on the frame's bars, which show them.
    const int thirdPopup[4] = {2, 3, -1, 5};
    for (int view = 0; view < 4; ++view) {
        const std::vector<MenuBarButton>& buttons = MenuBarButtons(view);
        ASSERT_EQ(buttons.size(), thirdPopup[view] < 0 ? 2u : 3u) << view;
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(buttons[i].popup, i < 2 ? static_cast<int>(i) : thirdPopup[view]);
            EXPECT_EQ(popups[static_cast<std::size_t>(buttons[i].popup)].kind,
                      MenuItem::Kind::Popup);
        }
    }
    EXPECT_TRUE(MenuBarButtons(4).empty());
    using C = CommandId;
    EXPECT_EQ(ButtonStrip(0, false),
              (std::vector<C>{C::ZoomIn, C::ZoomOut, C::CenterGps, C::AddMilestone, C::AddPoi}));
    EXPECT_EQ(ButtonStrip(0, true), ButtonStrip(0, false));
    EXPECT_EQ(ButtonStrip(3, false), (std::vector<C>{C::PrevPage, C::NextPage}));
    EXPECT_EQ(ButtonStrip(3, true), (std::vector<C>{C::NextPage, C::PrevPage}));
    EXPECT_EQ(std::u16string(CommandCaption(C::ZoomIn)), u"Zoom In");
    EXPECT_EQ(std::u16string(CommandCaption(C::ViewInfoPanel)), u"Info Panel");
    EXPECT_EQ(std::u16string(CommandCaption(C::Ok)), u"");
}

}  // namespace
}  // namespace rq::resources
