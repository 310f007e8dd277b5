#include <gtest/gtest.h>

#include <filesystem>

#include "support/AppTest.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"
#include "view/AutoSave.h"
#include "view/GpsViewData.h"

namespace rq {
namespace {

namespace fs = std::filesystem;
constexpr std::uint32_t kMinute = CAutoSave::kIntervalMs;
const char* const kFiles[] = {"tracks/my.tk", "ftracks/+49123.trk", "default.pxt"};

class AutoSaveTest : public test::UiAppTest {
protected:
    std::string Path(int kind) { return folder_.Path() + kFiles[kind]; }
    // A non-empty folder in the file's place: no rename goes over it, even as root.
    void Block(int kind) { fs::create_directories(Path(kind) + "/x"); }
    void Modify(CGpsViewData& data, int kind) {
        if (kind == 0) data.track.AddHead(CGpsTrackCoordinate(1, 2));
        if (kind == 1 && !data.friendTracks.FindByOwner(u"+49123"))
            data.friendTracks.AddOwner(u"+49123", u"", kFriendTrackColour);
        if (kind == 1) data.friendTracks.FindByOwner(u"+49123")->AddHead(CGpsTrackCoordinate(3, 4));
        if (kind == 2) data.positionTexts.AddPositionText(1, 2, u"hi", u"+49123");
    }
};

TEST_F(AutoSaveTest, SavesOnlyWhatIsModifiedOnceAMinute) {
    const std::uint32_t starts[] = {1000, 0xFFFFF000u, 5};  // one across the counter's wrap
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(kFiles[kind]);
        const std::uint32_t t = starts[kind];
        CGpsViewData data;
        CAutoSave autoSave;
        Modify(data, kind);
        EXPECT_FALSE(autoSave.OnTimer(data, t + kMinute)) << "not started: nothing read yet";
        autoSave.Start(t);
        EXPECT_FALSE(autoSave.OnTimer(data, t + kMinute - 1));
        EXPECT_FALSE(fs::exists(Path(kind)));
        EXPECT_TRUE(autoSave.OnTimer(data, t + kMinute));
        const std::string bytes = test::ReadText(Path(kind));
        EXPECT_FALSE(bytes.empty());

        const auto backdated = fs::last_write_time(Path(kind)) - std::chrono::hours(1);
        fs::last_write_time(Path(kind), backdated);
        EXPECT_TRUE(autoSave.OnTimer(data, t + 2 * kMinute));
        EXPECT_EQ(fs::last_write_time(Path(kind)), backdated) << "unmodified, not rewritten";

        Modify(data, kind);
        EXPECT_FALSE(autoSave.OnTimer(data, t + 3 * kMinute - 1));
        EXPECT_TRUE(autoSave.OnTimer(data, t + 3 * kMinute));
        EXPECT_NE(test::ReadText(Path(kind)), bytes);
    }
    EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(AutoSaveTest, AFailingFileIsReportedOnceRetriedQuietlyAndReArmedBySuccess) {
    CGpsViewData data;
    CAutoSave autoSave;
    autoSave.Start(0);
    std::uint32_t now = 0;
    for (int kind = 0; kind < 3; ++kind) Modify(data, kind);
    for (int kind : {0, 2}) Block(kind);
    EXPECT_TRUE(autoSave.OnTimer(data, now += kMinute));
    ASSERT_EQ(ui_.Messages().size(), 2u);
    EXPECT_EQ(ui_.Messages()[0].text, u"Saving track 'my.tk' failed.");
    EXPECT_TRUE(fs::exists(Path(1))) << "one failure stops no other save";

    Modify(data, 0);
    EXPECT_TRUE(autoSave.OnTimer(data, now += kMinute));
    EXPECT_EQ(ui_.Messages().size(), 2u) << "no message every minute";

    for (int kind : {0, 2}) fs::remove_all(Path(kind));
    EXPECT_TRUE(autoSave.OnTimer(data, now += kMinute));
    EXPECT_TRUE(fs::is_regular_file(Path(0)) && fs::is_regular_file(Path(2)));
    EXPECT_EQ(ui_.Messages().size(), 2u);

    fs::remove(Path(0));
    Block(0);
    Modify(data, 0);
    EXPECT_TRUE(autoSave.OnTimer(data, now += kMinute));
    ASSERT_EQ(ui_.Messages().size(), 3u);
    EXPECT_EQ(ui_.Messages()[2].text, u"Saving track 'my.tk' failed.");
}

TEST(AutoSaveInterval, OnlyAWholeNumberBelowTheMinuteShortensIt) {
    for (const auto& row : test::CaseTable("cases/autosave-intervals.txt")) {
        setenv("ROAMQUILL_AUTOSAVE_MS", row[0].c_str(), 1);
        CAutoSave autoSave;
        autoSave.Start(0);
        EXPECT_EQ(autoSave.IntervalMs(), row[1] == "minute" ? kMinute : std::stoul(row[1]))
            << row[0];
    }
    unsetenv("ROAMQUILL_AUTOSAVE_MS");
}

}  // namespace
}  // namespace rq
