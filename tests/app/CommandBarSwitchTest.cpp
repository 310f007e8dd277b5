#include <gtest/gtest.h>

#include <array>

#include "app/CommandBarSwitch.h"
#include "app/Settings.h"
#include "platform/Registry.h"
#include "support/AppTest.h"

namespace rq {
namespace {

class FakeBars : public CommandBarSwitch {
public:
    std::array<bool, 4> shown{true, true, false, true};

protected:
    void SetBarShown(int index, bool value) override {
        shown[static_cast<std::size_t>(index)] = value;
    }
    bool IsBarShown(int index) const override { return shown[static_cast<std::size_t>(index)]; }
};

class CommandBarSwitchTest : public test::AppTest {};

TEST_F(CommandBarSwitchTest, ShowsOneBarAndStoresTheView) {
    FakeBars bars;
    EXPECT_EQ(bars.VisibleCommandBar(), 0);  // the first shown one
    for (int index : {3, 1, 2, 0}) {
        bars.ShowCommandBar(index);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(bars.shown[i], i == index) << index;
        EXPECT_EQ(bars.VisibleCommandBar(), index);
        EXPECT_EQ(GetLastView(), static_cast<std::uint32_t>(index));
    }
    for (int index : {4, -1, 99}) {
        bars.ShowCommandBar(index);
        EXPECT_EQ(bars.VisibleCommandBar(), kNoCommandBar) << index;
        EXPECT_EQ(GetLastView(), 0u) << index;  // nothing stored
    }
}

}  // namespace
}  // namespace rq
