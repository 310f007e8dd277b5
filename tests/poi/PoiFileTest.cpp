#include <gtest/gtest.h>

#include <filesystem>

#include "app/ResourceModule.h"
#include "platform/Files.h"
#include "platform/LittleEndian.h"
#include "platform/Text.h"
#include "poi/ByteStream.h"
#include "poi/PoiCollection.h"
#include "poi/PoiRecords.h"
#include "support/TempFolder.h"

using namespace rq;
using rq::test::TempFolder;

namespace {

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    platform::ReadWholeFile(path, bytes);
    return bytes;
}

// Only the default category, empty, and reported as modified: a refused file.
void ExpectClearedAfterFailure(const CPoiCollection& c, const std::string& label) {
    ASSERT_EQ(c.GetCount(), 1u) << label;
    EXPECT_EQ(c.GetAt(0)->name, u"General") << label;
    EXPECT_TRUE(c.GetAt(0)->IsEmpty()) << label;
    EXPECT_TRUE(c.IsModified()) << label;
}

std::u16string Repeat(char16_t c, std::size_t n) {
    return std::u16string(n, c);
}

}  // namespace

// Types, positions and order are checked against golden.poi below.
TEST(PoiFile, LongNamesAreCutToTheirFieldsWithoutSplittingAPair) {
    TempFolder dir;
    CPoiCollection c;
    c.GetAt(0)->AddPoi(Repeat(u'x', 200), CCoordinate(1.5, -2.25), 40);
    CPoiCategory* cafes = c.AddCategory(Repeat(u'c', 130));
    cafes->AddPoi(Repeat(u'e', 126) + u"\U0001F600", CCoordinate(0, 0), 33);
    ASSERT_TRUE(c.SaveTo(dir / "a.poi"));
    EXPECT_EQ(FileBytes(dir / "a.poi").size(), 8u + 2 * 264 + 2 * 276);

    CPoiCollection back;
    ASSERT_TRUE(back.LoadFrom(dir / "a.poi"));
    EXPECT_FALSE(back.IsModified());
    ASSERT_EQ(back.GetCount(), 2u);
    EXPECT_EQ(back.GetAt(0)->GetAt(0)->name, Repeat(u'x', 127));
    EXPECT_EQ(back.GetAt(1)->name, Repeat(u'c', 127));
    EXPECT_EQ(back.GetAt(1)->GetAt(0)->name, Repeat(u'e', 126));
    // Saving the loaded collection again gives the same bytes.
    ASSERT_TRUE(back.SaveTo(dir / "b.poi"));
    EXPECT_EQ(FileBytes(dir / "a.poi"), FileBytes(dir / "b.poi"));
}

// load_changes.poi holds "Cafes", "General", "Cafes" again and three bytes no record
// announces: loading puts "General" first, merges the two "Cafes" and reads no further.
TEST(PoiFile, SameNamedCategoriesMergeAndTrailingBytesAreNotRead) {
    const std::string path = RQ_SOURCE_DIR "/tests/data/poi/load_changes.poi";
    CPoiCollection back;
    ASSERT_TRUE(back.LoadFrom(path));
    EXPECT_FALSE(back.IsModified());
    std::u16string names;
    for (const auto& category : back.Categories()) {
        names += category->name + u":";
        for (std::size_t i = 0; i < category->GetCount(); ++i) names += category->GetAt(i)->name;
    }
    EXPECT_EQ(names, u"General:bCafes:ac");
    std::vector<std::uint8_t> bytes = FileBytes(path);
    CMemorySource source(bytes.data(), bytes.size());
    EXPECT_TRUE(back.LoadFromSource(source));
    EXPECT_EQ(source.Remaining(), 3u);
}

TEST(PoiFile, ForeignDefaultCategoryLoadsBesideGeneral) {
    TempFolder dir;
    int fakeModule = 0;
    SetResourceModule(&fakeModule, [](std::uint32_t id) -> const char16_t* {
        return id == static_cast<std::uint32_t>(StringId::General) ? u"\u5e38\u89c4" : nullptr;
    });
    {
        CPoiCollection c;
        EXPECT_EQ(c.GetAt(0)->name, u"\u5e38\u89c4");
        c.GetAt(0)->AddPoi(u"p", CCoordinate(1, 2), 4);
        ASSERT_TRUE(c.SaveTo(dir / "zh.poi"));
    }
    SetResourceModule(nullptr, nullptr);

    CPoiCollection back;
    ASSERT_TRUE(back.LoadFrom(dir / "zh.poi"));
    ASSERT_EQ(back.GetCount(), 2u);
    EXPECT_EQ(back.GetAt(0)->name, u"General");
    EXPECT_TRUE(back.GetAt(0)->modified);
    EXPECT_EQ(back.GetAt(1)->name, u"\u5e38\u89c4");
    EXPECT_FALSE(back.GetAt(1)->modified);
    EXPECT_EQ(back.GetAt(1)->GetCount(), 1u);
    EXPECT_TRUE(back.IsModified());
}

// golden.poi was written by tests/data/poi/make_poi_files.py straight from the record
// layout (struct.pack), not by this writer; the collection below is the one it describes.
TEST(PoiFile, GoldenFile) {
    const std::string golden = std::string(RQ_SOURCE_DIR) + "/tests/data/poi/golden.poi";
    CPoiCollection c;
    c.GetAt(0)->AddPoi(u"Home", CCoordinate(48.1173, 11.516666666666667), 6);
    c.GetAt(0)->AddPoi(u"Caf\u00e9 \u2615 \U0001F600", CCoordinate(-33.8578, 151.2093), 40);
    CPoiCategory* friends = c.AddCategory(u"Friends");
    friends->AddPoi(u"Marienplatz", CCoordinate(48.137154, 11.576124), 0);
    friends->AddPoi(u"", CCoordinate(), 33);

    TempFolder dir;
    ASSERT_TRUE(c.SaveTo(dir / "golden.poi"));
    const std::vector<std::uint8_t> reference = FileBytes(golden);
    ASSERT_EQ(reference.size(), 1640u);
    EXPECT_EQ(FileBytes(dir / "golden.poi"), reference);

    // The same through the category blocks into memory, as track files embed them.
    CMemorySink sink;
    for (const auto& category : c.Categories()) ASSERT_TRUE(WriteCategoryBlock(sink, *category));
    EXPECT_TRUE(std::equal(sink.bytes.begin(), sink.bytes.end(), reference.begin() + 8));

    CPoiCollection back;
    ASSERT_TRUE(back.LoadFrom(golden));
    ASSERT_EQ(back.GetCount(), 2u);
    EXPECT_EQ(back.GetAt(0)->GetAt(1)->name, u"Caf\u00e9 \u2615 \U0001F600");
    EXPECT_EQ(back.GetAt(1)->GetAt(1)->m_lat.value, kUnset);

    // A new collection is its default category alone: the golden header and first
    // category record (264 bytes) with a count of 1 and no POIs.
    CPoiCollection fresh;
    fresh.modified = true;
    ASSERT_TRUE(fresh.SaveTo(dir / "new.poi"));
    EXPECT_FALSE(fresh.IsModified());
    std::vector<std::uint8_t> expected(reference.begin(), reference.begin() + 272);
    platform::PutU32(&expected[4], 1);
    platform::PutU32(&expected[268], 0);
    EXPECT_EQ(FileBytes(dir / "new.poi"), expected);
}

TEST(PoiFile, MalformedFilesAreRefusedCleanly) {
    const std::filesystem::path folder =
        std::filesystem::path(RQ_SOURCE_DIR) / "tests/data/malformed/poi";
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string path = entry.path().string();
        CPoiCollection c;
        c.AddCategory(u"Old")->AddPoi(u"old", CCoordinate(1, 1), 1);
        EXPECT_FALSE(c.LoadFrom(path)) << path;
        ExpectClearedAfterFailure(c, path);
        ++seen;
    }
    EXPECT_GE(seen, 9);
}

TEST(PoiFile, MissingFileLeavesTheCollectionAloneAndThePoiFolderIsMadeOnSave) {
    TempFolder dir;
    CPoiCollection c;
    c.AddCategory(u"Keep");
    c.SetModified(false, true);
    EXPECT_FALSE(c.LoadFrom(dir / "nothing.poi"));
    EXPECT_FALSE(c.LoadFrom(dir.Path()));
    // An unnamed collection's path is the POI folder itself.
    platform::SetProgramFolder(dir.Path());
    platform::CreateFolder(dir / "pois");
    c.name.clear();
    EXPECT_FALSE(c.Load());
    EXPECT_EQ(c.GetCount(), 2u);
    EXPECT_FALSE(c.IsModified());
    EXPECT_FALSE(c.SaveTo(dir / "no-such-folder/x.poi"));
    EXPECT_FALSE(platform::PathExists(dir / "no-such-folder"));

    // A named collection saves into the POI folder, made when missing, and loads back.
    ASSERT_TRUE(platform::DeletePath(dir / "pois"));
    c.name = u"trip.poi";
    ASSERT_TRUE(c.Save());
    ASSERT_TRUE(c.Save());  // the folder existing already is fine
    CPoiCollection back;
    back.name = u"trip.poi";
    ASSERT_TRUE(back.Load());
    EXPECT_EQ(back.GetCount(), 2u);
    platform::SetProgramFolder("");
}

// The file's place taken by a folder: nothing can be renamed over it.
TEST(PoiFile, FailedSaveKeepsWhatIsThereAndTheModifiedMark) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "keep.poi/inside");
    CPoiCollection c;
    c.GetAt(0)->AddPoi(u"poi", CCoordinate(1, 1), 0);
    EXPECT_FALSE(c.SaveTo(dir / "keep.poi"));
    EXPECT_TRUE(c.IsModified());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "keep.poi/inside"));
    EXPECT_EQ(platform::FindFiles(dir.Path(), "*").size(), 1u);  // no temporary left
}
