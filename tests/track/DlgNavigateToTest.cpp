#include <gtest/gtest.h>

#include "support/AppTest.h"
#include "track/DlgNavigateTo.h"

namespace rq {
namespace {

using Source = CDlgNavigateTo::Source;
using NavigateToTest = test::UiAppTest;

TEST_F(NavigateToTest, NavigateByListsTheSourcesInOrderAndNeedsASelection) {
    CDlgNavigateTo dlg;
    const std::pair<std::u16string, Source> expected[] = {
        {u"Local POI", Source::LocalPoi}, {u"Track POI", Source::TrackPoi},
        {u"Route POI", Source::RoutePoi}, {u"Position Message", Source::PositionMessage},
        {u"Here", Source::Here},          {u"Friend Position", Source::FriendPosition},
    };
    ASSERT_EQ(dlg.Entries().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(dlg.Entries()[i].text, expected[i].first);
        EXPECT_EQ(dlg.Entries()[i].code, expected[i].second);
        EXPECT_EQ(static_cast<std::uint32_t>(expected[i].second), i + 1);
    }
    EXPECT_EQ(dlg.Selection(), 0u);
    dlg.Select(6);
    EXPECT_FALSE(dlg.Ok()) << "out of the list is no selection: OK does nothing";
    EXPECT_TRUE(ui_.Messages().empty());
    dlg.Select(4);
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Result(), Source::Here);
}

}  // namespace
}  // namespace rq
