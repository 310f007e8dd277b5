#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include "platform/Files.h"
#include "platform/LittleEndian.h"
#include "support/CaseTable.h"
#include "support/FixMaker.h"
#include "support/TempFolder.h"
#include "track/TrackFile.h"

namespace rq {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const std::string& path) {
    const std::string text = test::ReadText(path);
    return Bytes(text.begin(), text.end());
}

CGpsTrackCoordinate Point(double lat, double lon, std::uint32_t milestone, double distance,
                          double course) {
    CGpsTrackCoordinate p(lat, lon);
    p.milestone = milestone;
    p.distance = distance;
    p.course = course;
    return p;
}

// The track that tests/data/trk/make_golden.py writes.
void FillGoldenTrack(CGpsTrackInfo& t) {
    t.shortName = u"Walk";
    t.ownerId = u"me@example";
    t.fix = test::MakeFix(48.1173, 11.5167, 0.5, 545.4);
    CGpsPosition& f = t.fix;
    f.course = 84.4;
    f.hdop = 1.2;
    f.vdop = 2.3;
    f.pdop = 2.6;
    f.courseMagnetic = 81.2;
    f.satellitesInView = 9;
    f.satellitesUsed = 7;
    f.selectionMode = 2;
    f.time = 1204880702;
    f.satellites[0] = {1, 5, 40, 270, 42};
    f.satellites[1] = {1, 12, 65, 100, 38};
    f.satellites[2] = {0, 29, 10, 45, 0};
    t.AddTail(Point(48.1200, 11.5167, 0, 300.25, 84.4));
    t.AddTail(Point(48.1190, 11.5167, 1, 189.0, 0.0));
    t.AddTail(Point(48.1173, 11.5167, 0, 0.0, 0.0));
    CPoiCategory* general = t.pois.FindCategory(u"General");
    general->AddPoi(u"Cafe Kreuz", CCoordinate(48.1180, 11.5170), 31);
    general->AddPoi(u"ATM", CCoordinate(-33.8578, 151.2), 23);
}

std::string GoldenPath() {
    return std::string(RQ_SOURCE_DIR) + "/tests/data/trk/golden.trk";
}

TEST(TrackFile, WriterMatchesTheGoldenFileAndTheSizesOfEmptyTracks) {
    CGpsTrackInfo defaultOnly;
    EXPECT_EQ(EncodeTrack(defaultOnly).size(), 1092u) << "the empty default category";
    CGpsTrackInfo bare;
    bare.pois.DeleteCategory(u"General");
    EXPECT_EQ(EncodeTrack(bare).size(), kTrackHeaderSize);
    CGpsTrackInfo t;
    FillGoldenTrack(t);
    const Bytes golden = ReadBytes(GoldenPath());
    ASSERT_EQ(golden.size(), 1764u);
    const Bytes written = EncodeTrack(t);
    ASSERT_EQ(written.size(), golden.size());
    for (std::size_t i = 0; i < golden.size(); ++i)
        ASSERT_EQ(written[i], golden[i]) << "first difference at offset " << i;
}

// Loading gives back every stored field (written again it makes the same bytes); what the
// file does not hold is reset or, for the drawing style, left alone.
TEST(TrackFile, SaveThenLoadGivesBackWhatTheFileHolds) {
    test::TempFolder dir;
    test::ProgramFolderScope scope(dir.Path());
    CGpsTrackInfo t;
    FillGoldenTrack(t);
    t.fixCount = 9;
    t.maxSpeed = 40;
    t.startTime = 77;
    ASSERT_TRUE(SaveTrack("tracks", "walk.trk", t));
    EXPECT_FALSE(t.IsModified());
    EXPECT_EQ(ReadBytes(dir.Path() + "tracks/walk.trk"), ReadBytes(GoldenPath()));

    CGpsTrackInfo back;
    back.AddHead(CGpsTrackCoordinate(1, 1));
    back.colour = 0x123456;
    ASSERT_TRUE(LoadTrack("tracks", "walk.trk", back));
    EXPECT_EQ(EncodeTrack(back), ReadBytes(GoldenPath()));
    EXPECT_FALSE(back.IsModified());
    EXPECT_EQ(back.colour, 0x123456u) << "not in the file";
    EXPECT_EQ(back.GetCount(), 3u);
    EXPECT_EQ(back.GetBounds().top, 48.1200);
    EXPECT_EQ(back.GetBounds().bottom, 48.1173);
    EXPECT_EQ(back.fix.altitude, static_cast<double>(545.4f)) << "floats at float precision";
    EXPECT_EQ(back.fix.satellites[23].prn, -1);
    EXPECT_EQ(back.fix.time, 0) << "the fix time is not stored";
    EXPECT_EQ(std::tuple(back.fixCount, back.maxSpeed, back.startTime), std::tuple(0u, 0.0, 0));

    // As a route it replaces points and POIs alike; a missing file changes nothing.
    CGpsRouteInfo route;
    route.AddHead(CGpsTrackCoordinate(9, 9));
    route.pois.AddCategory(u"Old");
    ASSERT_TRUE(LoadRoute("tracks", "walk.trk", route));
    EXPECT_EQ(route.GetCount(), 3u);
    EXPECT_EQ(route.GetTail()->m_lat.value, 48.1173) << "the tail is the start";
    EXPECT_EQ(route.pois.FindCategory(u"Old"), nullptr);
    EXPECT_EQ(route.pois.FindCategory(u"General")->GetCount(), 2u);
    EXPECT_FALSE(route.IsModified() || route.pois.IsModified());
    EXPECT_FALSE(LoadRoute("tracks", "none.trk", route));
    EXPECT_EQ(route.GetCount(), 3u);
    EXPECT_FALSE(LoadTrack("tracks", "none.trk", back));
    EXPECT_EQ(back.GetCount(), 3u);
}

TEST(TrackFile, NamesAreCutToTheirFields) {
    CGpsTrackInfo t;
    t.shortName = u"ABCDEFGHIJKL";
    t.ownerId = std::u16string(200, u'x');
    const Bytes bytes = EncodeTrack(t);
    CGpsTrackInfo back;
    ASSERT_TRUE(LoadTrackBytes(bytes.data(), bytes.size(), back));
    EXPECT_EQ(back.shortName, u"ABCDEFGHIJ");
    EXPECT_EQ(back.ownerId, std::u16string(127, u'x'));
    EXPECT_EQ(bytes[4 + 20], 0) << "the eleventh unit stays zero";
}

TEST(TrackFile, EveryCutOfAGoodFileFailsCleanly) {
    const Bytes golden = ReadBytes(GoldenPath());
    for (std::size_t cut = 0; cut < golden.size(); ++cut) {
        CGpsTrackInfo t;
        EXPECT_FALSE(LoadTrackBytes(golden.data(), cut, t)) << "cut at " << cut;
        EXPECT_LE(t.GetCount(), 3u);
        // Whole point records before the cut are kept for the caller to clear.
        if (cut >= kTrackHeaderSize) {
            EXPECT_EQ(t.GetCount(), std::min<std::size_t>(3, (cut - kTrackHeaderSize) / 40)) << cut;
        }
    }
    CGpsTrackInfo whole;
    EXPECT_TRUE(LoadTrackBytes(golden.data(), golden.size(), whole));
}

TEST(TrackFile, WrongMagicsAndHugeCountsAreRefused) {
    const Bytes golden = ReadBytes(GoldenPath());
    for (const auto& row : test::CaseTable("cases/track-file-patches.txt")) {
        Bytes bad = golden;
        platform::PutU32(bad.data() + std::stoul(row[1]), std::stoul(row[2], nullptr, 16));
        CGpsTrackInfo t;
        EXPECT_FALSE(LoadTrackBytes(bad.data(), bad.size(), t)) << row[0];
        CGpsRouteInfo r;
        test::TempFolder dir;
        test::WriteText(dir / "bad.trk", std::string(bad.begin(), bad.end()));
        EXPECT_FALSE(LoadRouteFile(dir.Path() + "bad.trk", r)) << row[0];
    }
}

TEST(TrackFile, MalformedFilesAreRefused) {
    const std::string folder = std::string(RQ_SOURCE_DIR) + "/tests/data/malformed/trk";
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".trk") continue;
        ++seen;
        CGpsTrackInfo t;
        EXPECT_FALSE(LoadTrackFile(entry.path().string(), t)) << entry.path();
    }
    EXPECT_GT(seen, 0);
}

TEST(TrackFile, FailedSaveReportsFailureAndLeavesTheOldFile) {
    test::TempFolder dir;
    test::ProgramFolderScope scope(dir.Path());
    CGpsTrackInfo t;
    FillGoldenTrack(t);
    // The destination is a folder: nothing can be renamed over it.
    std::filesystem::create_directories(dir.Path() + "tracks/busy.trk/inside");
    EXPECT_FALSE(SaveTrack("tracks", "busy.trk", t));
    EXPECT_TRUE(t.IsModified()) << "a failed save keeps the modified mark";
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "tracks/busy.trk/inside"));
    EXPECT_EQ(platform::FindFiles(dir.Path() + "tracks", "*").size(), 1u) << "nothing beside it";
    // A missing program folder cannot be created into.
    platform::SetProgramFolder(dir.Path() + "missing/deeper/");
    EXPECT_FALSE(SaveTrack("tracks", "x.trk", t));
}

}  // namespace
}  // namespace rq
