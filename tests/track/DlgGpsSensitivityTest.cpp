#include <gtest/gtest.h>

#include "support/AppTest.h"
#include "track/DlgGpsSensitivity.h"

namespace rq {
namespace {

using Dlg = CDlgGpsSensitivity;
using SensitivityTest = test::UiAppTest;

TEST_F(SensitivityTest, RangesAndTextsAreCheckedFieldByField) {
    const std::u16string notInteger = u"Please enter an integer.";
    const struct {
        std::u16string ta, ts, max;
        std::optional<Dlg::Field> failed;
        std::u16string message;
    } cases[] = {
        {u"0", u"0", u"2", std::nullopt, u""},
        {u" 60 ", u"+9999999", u"99999", std::nullopt, u""},
        {u"-1", u"6", u"5000", Dlg::TurningAngle, u"Please enter an integer between 0 and 60."},
        {u"10", u"10000000", u"5000", Dlg::TrackSegment,
         u"Please enter an integer between 0 and 9999999."},
        {u"10", u"6", u"1", Dlg::MaxPoints, u"Please enter an integer between 2 and 99999."},
        {u"10", u"6", u"99999999999999999999999", Dlg::MaxPoints,
         u"Please enter an integer between 2 and 99999."},
        {u"abc", u"x", u"5000", Dlg::TurningAngle, notInteger},
        {u"10", u"-", u"5000", Dlg::TrackSegment, notInteger},
        {u"10", u"6", u"1.5", Dlg::MaxPoints, notInteger},
    };
    for (const auto& c : cases) {
        ui_.ClearMessages();
        Dlg dlg(CRecordingSettings{});
        dlg.text = {c.ta, c.ts, c.max};
        EXPECT_EQ(dlg.Ok(), !c.failed) << std::string(c.ta.begin(), c.ta.end());
        EXPECT_EQ(dlg.FailedField(), c.failed);
        if (!c.failed)
            EXPECT_EQ(dlg.Result().taThreshold, std::stoul(std::string(c.ta.begin(), c.ta.end())));
        ASSERT_EQ(ui_.Messages().size(), c.failed ? 1u : 0u);
        if (c.failed) EXPECT_EQ(ui_.Messages()[0].text, c.message);
    }
}

}  // namespace
}  // namespace rq
