#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/StringTable.h"
#include "platform/Text.h"
#include "support/AppTest.h"
#include "support/TempFolder.h"
#include "view/AutoSave.h"
#include "view/GpsViewData.h"
#include "view/ModelFiles.h"

namespace rq {
namespace {

namespace fs = std::filesystem;

class AutoSaveTest : public test::UiAppTest {
protected:
    std::string Path(const std::string& relative) { return folder_.Path() + relative; }
    // A folder with something in it where the file belongs: the rename over it fails,
    // whoever runs the tests (a read-only folder does not stop root).
    void Block(const std::string& relative) {
        fs::remove_all(Path(relative));
        fs::create_directories(Path(relative + "/blocked"));
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& m : ui_.Messages()) texts.push_back(platform::ToUtf8(m.text));
        return texts;
    }
};

enum class Kind { Track, Friend, Texts };

void Modify(CGpsViewData& data, Kind kind) {
    switch (kind) {
        case Kind::Track:
            data.track.AddHead(CGpsTrackCoordinate(1, 2));
            break;
        case Kind::Friend:
            if (!data.friendTracks.FindByOwner(u"+49123"))
                data.friendTracks.AddOwner(u"+49123", u"Bob", kFriendTrackColour);
            data.friendTracks.FindByOwner(u"+49123")->AddHead(CGpsTrackCoordinate(3, 4));
            break;
        case Kind::Texts:
            data.positionTexts.AddPositionText(1, 2, u"hi", u"+49123");
            break;
    }
}

bool IsModified(CGpsViewData& data, Kind kind) {
    switch (kind) {
        case Kind::Track:
            return data.track.IsModified();
        case Kind::Friend:
            return data.friendTracks.FindByOwner(u"+49123")->IsModified();
        case Kind::Texts:
            return data.positionTexts.IsModified();
    }
    return false;
}

TEST_F(AutoSaveTest, SavesEachModifiedFileOnceAMinuteAndLeavesTheRestAlone) {
    const struct {
        Kind kind;
        const char* file;
        std::uint32_t start;  // near the counter's wrap as well
    } cases[] = {
        {Kind::Track, "tracks/my.tk", 1000},
        {Kind::Friend, "ftracks/+49123.trk", 0xFFFFF000u},
        {Kind::Texts, "default.pxt", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fs::remove_all(Path("tracks"));
        fs::remove_all(Path("ftracks"));
        fs::remove(Path("default.pxt"));
        CGpsViewData data;
        CAutoSave autoSave;
        Modify(data, c.kind);
        EXPECT_FALSE(autoSave.OnTimer(data, c.start + CAutoSave::kIntervalMs)) << "not started";
        autoSave.Start(c.start);
        EXPECT_FALSE(autoSave.OnTimer(data, c.start + CAutoSave::kIntervalMs - 1));
        EXPECT_FALSE(fs::exists(Path(c.file)));
        EXPECT_TRUE(autoSave.OnTimer(data, c.start + CAutoSave::kIntervalMs));
        ASSERT_TRUE(fs::exists(Path(c.file)));
        EXPECT_FALSE(IsModified(data, c.kind));

        // Unmodified: not written again.
        const std::string bytes = test::ReadText(Path(c.file));
        const auto written = fs::last_write_time(Path(c.file));
        fs::last_write_time(Path(c.file), written - std::chrono::hours(1));
        const auto backdated = fs::last_write_time(Path(c.file));
        EXPECT_TRUE(autoSave.OnTimer(data, c.start + 2 * CAutoSave::kIntervalMs));
        EXPECT_EQ(fs::last_write_time(Path(c.file)), backdated);

        // Modified again: the next minute writes the new content.
        Modify(data, c.kind);
        EXPECT_FALSE(autoSave.OnTimer(data, c.start + 3 * CAutoSave::kIntervalMs - 1));
        EXPECT_TRUE(autoSave.OnTimer(data, c.start + 3 * CAutoSave::kIntervalMs));
        EXPECT_NE(test::ReadText(Path(c.file)), bytes);
        EXPECT_TRUE(Messages().empty());
    }

    // What was saved is what the next start reads.
    CGpsViewData data;
    CAutoSave autoSave;
    autoSave.Start(0);
    Modify(data, Kind::Track);
    Modify(data, Kind::Friend);
    autoSave.OnTimer(data, CAutoSave::kIntervalMs);
    CGpsViewData next;
    LoadSavedTracks(next);
    EXPECT_EQ(next.track.GetCount(), 1u);
    ASSERT_NE(next.friendTracks.FindByOwner(u"+49123"), nullptr);
    EXPECT_EQ(next.friendTracks.FindByOwner(u"+49123")->GetCount(), 1u);
}

TEST_F(AutoSaveTest, AFailingSaveIsReportedOnceThenRetriedQuietly) {
    const std::string trackFailed = "Saving track 'my.tk' failed.";
    const std::string textsFailed =
        platform::ToUtf8(LoadResourceString(StringId::FailedToSaveDefaultPositionText));
    CGpsViewData data;
    CAutoSave autoSave;
    autoSave.Start(0);
    Modify(data, Kind::Track);
    Modify(data, Kind::Friend);
    Modify(data, Kind::Texts);
    Block("tracks/my.tk");
    Block("default.pxt");

    std::uint32_t now = 0;
    auto minute = [&] { return autoSave.OnTimer(data, now += CAutoSave::kIntervalMs); };
    EXPECT_TRUE(minute());
    EXPECT_EQ(Messages(), (std::vector<std::string>{trackFailed, textsFailed}));
    EXPECT_TRUE(fs::exists(Path("ftracks/+49123.trk"))) << "one failure stops no other save";
    EXPECT_TRUE(data.track.IsModified());
    EXPECT_TRUE(data.positionTexts.IsModified());

    Modify(data, Kind::Track);
    EXPECT_TRUE(minute());
    EXPECT_EQ(Messages().size(), 2u) << "no message every minute";

    fs::remove_all(Path("tracks/my.tk"));
    fs::remove_all(Path("default.pxt"));
    EXPECT_TRUE(minute());
    EXPECT_EQ(Messages().size(), 2u);
    EXPECT_FALSE(data.track.IsModified());
    EXPECT_FALSE(data.positionTexts.IsModified());
    EXPECT_EQ(test::ReadText(Path("tracks/my.tk")).empty(), false);

    // A success re-arms the message.
    Block("tracks/my.tk");
    Modify(data, Kind::Track);
    EXPECT_TRUE(minute());
    EXPECT_EQ(Messages(), (std::vector<std::string>{trackFailed, textsFailed, trackFailed}));
}

}  // namespace
}  // namespace rq
