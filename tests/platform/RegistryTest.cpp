#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

using namespace rq::platform;
using rq::test::ReadText;
using rq::test::TempFolder;
using rq::test::WriteText;

namespace {
constexpr std::u16string_view kGps = u"HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\GPS";
}

TEST(Registry, EveryKindRoundTripsThroughTheFile) {
    TempFolder dir;
    const std::string file = dir / "cfg/roamquill/registry.reg";  // folders made on first write
    {
        RegistryStore store(file);
        EXPECT_TRUE(store.SetInteger(kGps, u"Port", 10));
        EXPECT_TRUE(store.SetInteger(kGps, u"Boudrate", 0xFFFFFFFFu));
        EXPECT_TRUE(store.SetText(kGps, u"Name", u"Home \"sweet\" C:\\home"));
        EXPECT_TRUE(store.SetBinary(kGps, u"Log Play Speed", {0x00, 0x00, 0x80, 0x40}));
        EXPECT_TRUE(store.SetBinary(kGps, u"Empty", {}));
        EXPECT_TRUE(store.SetText(kGps, u"", u"default"));
        EXPECT_TRUE(store.CreateKey(u"HKEY_CURRENT_USER\\ControlPanel\\Owner"));
        EXPECT_TRUE(store.SetInteger(kGps, u"port", 3));  // replaced in place, first spelling kept
    }
    EXPECT_EQ(ReadText(file), ReadText(RQ_SOURCE_DIR "/tests/data/cases/registry-every-kind.reg"));
    EXPECT_EQ(FindFiles(dir / "cfg/roamquill", "*"), std::vector<std::string>{"registry.reg"});

    RegistryStore again(file);
    EXPECT_EQ(again.TakeLoadProblem(), "");
    EXPECT_EQ(again.GetValue(kGps, u"PORT")->integer, 3u);
    EXPECT_EQ(again.GetValue(kGps, u"Boudrate")->integer, 0xFFFFFFFFu);
    EXPECT_EQ(again.GetValue(kGps, u"name")->text, u"Home \"sweet\" C:\\home");
    EXPECT_EQ(again.GetValue(kGps, u"Log Play Speed")->binary,
              (std::vector<std::uint8_t>{0x00, 0x00, 0x80, 0x40}));
    EXPECT_EQ(again.GetValue(kGps, u"")->text, u"default");
    EXPECT_TRUE(again.KeyExists(u"hkey_current_user\\CONTROLPANEL\\owner"));
    EXPECT_TRUE(again.KeyExists(u"\\HKEY_CURRENT_USER\\\\software\\"));
    EXPECT_FALSE(again.GetValue(kGps, u"Absent").has_value());
    EXPECT_EQ(again.ValueNames(kGps),
              (std::vector<std::u16string>{u"Port", u"Boudrate", u"Name", u"Log Play Speed",
                                           u"Empty", u""}));
    EXPECT_TRUE(again.DeleteValue(kGps, u"port"));
    EXPECT_FALSE(again.DeleteValue(kGps, u"Port"));
    EXPECT_FALSE(RegistryStore(file).GetValue(kGps, u"Port").has_value());
    // Only ASCII letters fold; no key without a name.
    EXPECT_TRUE(again.SetInteger(u"K", u"\u00e9", 1));
    EXPECT_TRUE(again.SetInteger(u"K", u"\u00c9", 2));
    EXPECT_EQ(again.ValueNames(u"K").size(), 2u);
    EXPECT_FALSE(again.CreateKey(u"\\\\"));
    EXPECT_FALSE(again.CreateKey(u"A\\bad\nname"));
}

TEST(Registry, AnyUtf16TextSurvivesTheUtf8File) {
    const std::u16string texts[] = {
        u"back\\slash \"quoted\" \\\"",
        u"line\r\nbreak\ttab",
        std::u16string(u"nul\0in", 6),
        u"\u20ac \u4e2d\u6587 \U0001F600",
        u"\u0080\u009f\u007f",
        u"lone \xD800 high",
        u"lone \xDC00 low",
        u"\xDC00\xD800 reversed",
        u"ends \xDBFF",
        u"\\u0041 as typed",
        u"",
    };
    TempFolder dir;
    RegistryStore store(dir / "registry.reg");
    for (const std::u16string& text : texts) {
        ASSERT_TRUE(store.SetText(u"HKEY_CURRENT_USER\\T", u"n" + text, text));
    }
    const std::string bytes = ReadText(dir / "registry.reg");
    EXPECT_EQ(ToUtf8(FromUtf8(bytes)), bytes) << "the file is valid UTF-8";
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 4 + std::ssize(texts));
    RegistryStore again(dir / "registry.reg");
    for (const std::u16string& text : texts) {
        auto value = again.GetValue(u"HKEY_CURRENT_USER\\T", u"n" + text);
        ASSERT_TRUE(value.has_value()) << ToUtf8(text);
        EXPECT_EQ(value->text, text) << ToUtf8(text);
    }
    // Hand-edited files: byte-order mark, CR LF, comments, continued hex lists.
    WriteText(dir / "hand.reg",
              "\xEF\xBB\xBFREGEDIT4\r\n\r\n; note\r\n[A]\r\n\"B\"=hex:01,\\\r\n  FF\r\n\r\n");
    EXPECT_EQ(RegistryStore(dir / "hand.reg").GetValue(u"a", u"b")->binary,
              (std::vector<std::uint8_t>{1, 255}));
}

TEST(Registry, DamagedFilesAreSetAsideOnceAndNeverOverwritten) {
    int seen = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(RQ_SOURCE_DIR "/tests/data/malformed/registry")) {
        if (entry.path().extension() != ".reg") continue;
        ++seen;
        const std::string bytes = ReadText(entry.path().string());
        TempFolder dir;
        const std::string file = dir / "registry.reg";
        WriteText(file + ".bad", "an older bad file");
        WriteText(file, bytes);
        RegistryStore store(file);
        EXPECT_NE(store.TakeLoadProblem(), "") << bytes;
        EXPECT_EQ(store.TakeLoadProblem(), "") << bytes;
        EXPECT_TRUE(store.ValueNames(u"A").empty()) << bytes;
        EXPECT_EQ(ReadText(file + ".bad"), "an older bad file") << bytes;
        EXPECT_EQ(ReadText(file + ".bad.1"), bytes) << bytes;
        EXPECT_TRUE(store.SetInteger(u"A", u"N", 10)) << bytes;
        EXPECT_EQ(ReadText(file), "REGEDIT4\n\n[A]\n\"N\"=dword:0000000a\n\n") << bytes;
    }
    EXPECT_GE(seen, 18);
}

TEST(Registry, UnreadableFileAndUnwritableFolder) {
    TempFolder dir;
    ASSERT_TRUE(CreateFolder(dir / "registry.reg"));  // reading a folder fails
    RegistryStore store(dir / "registry.reg");
    EXPECT_NE(store.TakeLoadProblem().find("could not be read"), std::string::npos);
    EXPECT_TRUE(IsDirectory(dir / "registry.reg.bad"));
    EXPECT_TRUE(store.SetInteger(u"K", u"N", 1));

    // Below a plain file no folder can be made, even by root: setters fail, nothing changes.
    WriteText(dir / "plain", "x");
    RegistryStore stuck(dir / "plain/roamquill/registry.reg");
    EXPECT_FALSE(stuck.SetInteger(u"K", u"N", 1));
    EXPECT_FALSE(stuck.CreateKey(u"K"));
    EXPECT_FALSE(stuck.KeyExists(u"K"));
}

TEST(Registry, OpenRegistryKeepsEarlierReferencesValid) {
    TempFolder dir;
    OpenRegistry(dir / "one.reg");
    RegistryStore& store = Registry();
    ASSERT_TRUE(store.SetInteger(u"K", u"N", 1));
    OpenRegistry(dir / "two.reg");
    EXPECT_EQ(&Registry(), &store);
    EXPECT_EQ(store.FilePath(), dir / "two.reg");
    EXPECT_FALSE(store.GetValue(u"K", u"N").has_value());
    OpenRegistry(dir / "one.reg");
    EXPECT_EQ(store.GetValue(u"K", u"N")->integer, 1u);
}
