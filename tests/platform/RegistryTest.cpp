#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/TempFolder.h"
#include "platform/Text.h"

using namespace rq::platform;
using rq::testing::ReadText;
using rq::testing::TempFolder;
using rq::testing::WriteText;

namespace {

constexpr std::u16string_view kGps = u"HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\GPS";

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(Registry, EveryKindRoundTripsThroughTheFile) {
    TempFolder dir;
    const std::string file = dir / "cfg/roamquill/registry.reg";  // folders made on first write
    {
        RegistryStore store(file);
        EXPECT_EQ(store.TakeLoadProblem(), "");
        EXPECT_TRUE(store.SetInteger(kGps, u"Port", 10));
        EXPECT_TRUE(store.SetInteger(kGps, u"Boudrate", 0xFFFFFFFFu));
        EXPECT_TRUE(store.SetText(kGps, u"Last Navigation Name", u"Home \"sweet\" C:\\home"));
        EXPECT_TRUE(store.SetBinary(kGps, u"Log Play Speed", {0x00, 0x00, 0x80, 0x40}));
        EXPECT_TRUE(store.SetBinary(kGps, u"Empty", {}));
        EXPECT_TRUE(store.SetText(kGps, u"", u"default"));
        EXPECT_TRUE(store.CreateKey(u"HKEY_CURRENT_USER\\ControlPanel\\Owner"));
        EXPECT_TRUE(store.SetInteger(kGps, u"Port", 3));  // replaced in place
    }
    EXPECT_EQ(ReadText(file),
              "REGEDIT4\n\n"
              "[HKEY_CURRENT_USER\\software\\Roamquill PPC\\Roamquill\\GPS]\n"
              "\"Port\"=dword:00000003\n"
              "\"Boudrate\"=dword:ffffffff\n"
              "\"Last Navigation Name\"=\"Home \\\"sweet\\\" C:\\\\home\"\n"
              "\"Log Play Speed\"=hex:00,00,80,40\n"
              "\"Empty\"=hex:\n"
              "@=\"default\"\n"
              "\n"
              "[HKEY_CURRENT_USER\\ControlPanel\\Owner]\n"
              "\n");
    EXPECT_EQ(FolderEntries(dir / "cfg/roamquill"), std::vector<std::string>{"registry.reg"});

    RegistryStore again(file);
    EXPECT_EQ(again.TakeLoadProblem(), "");
    EXPECT_EQ(again.GetValue(kGps, u"Port")->integer, 3u);
    EXPECT_EQ(again.GetValue(kGps, u"Boudrate")->integer, 0xFFFFFFFFu);
    EXPECT_EQ(again.GetValue(kGps, u"Last Navigation Name")->text, u"Home \"sweet\" C:\\home");
    EXPECT_EQ(again.GetValue(kGps, u"Log Play Speed")->binary,
              (std::vector<std::uint8_t>{0x00, 0x00, 0x80, 0x40}));
    EXPECT_EQ(again.GetValue(kGps, u"Empty")->kind, RegistryKind::Binary);
    EXPECT_TRUE(again.GetValue(kGps, u"Empty")->binary.empty());
    EXPECT_EQ(again.GetValue(kGps, u"")->text, u"default");
    EXPECT_TRUE(again.KeyExists(u"HKEY_CURRENT_USER\\ControlPanel\\Owner"));
    EXPECT_TRUE(again.KeyExists(u"HKEY_CURRENT_USER\\software"));
    EXPECT_FALSE(again.KeyExists(u"HKEY_CURRENT_USER\\ControlPanel\\Owner\\x"));
    EXPECT_FALSE(again.GetValue(kGps, u"Absent").has_value());
    EXPECT_EQ(again.ValueNames(kGps),
              (std::vector<std::u16string>{u"Port", u"Boudrate", u"Last Navigation Name",
                                           u"Log Play Speed", u"Empty", u""}));

    EXPECT_TRUE(again.DeleteValue(kGps, u"port"));
    EXPECT_FALSE(again.DeleteValue(kGps, u"Port"));
    EXPECT_FALSE(RegistryStore(file).GetValue(kGps, u"Port").has_value());
}

TEST(Registry, NamesIgnoreAsciiCaseAndKeepTheirFirstSpelling) {
    TempFolder dir;
    const std::string file = dir / "registry.reg";
    RegistryStore store(file);
    ASSERT_TRUE(store.SetInteger(u"HKEY_CURRENT_USER\\Software\\App", u"Track Position", 1));
    ASSERT_TRUE(store.SetInteger(u"hkey_current_user\\SOFTWARE\\app", u"TRACK POSITION", 0));
    EXPECT_EQ(store.GetValue(u"HKEY_CURRENT_USER\\software\\APP", u"track position")->integer, 0u);
    EXPECT_EQ(store.ValueNames(u"HKEY_CURRENT_USER\\software\\app"),
              std::vector<std::u16string>{u"Track Position"});
    EXPECT_NE(ReadText(file).find("[HKEY_CURRENT_USER\\Software\\App]\n\"Track Position\""),
              std::string::npos);
    // Only ASCII letters fold: these are two different names.
    ASSERT_TRUE(store.SetInteger(u"K", u"\u00e9t\u00e9", 1));
    ASSERT_TRUE(store.SetInteger(u"K", u"\u00c9T\u00c9", 2));
    EXPECT_EQ(store.ValueNames(u"K").size(), 2u);
    // Surplus separators do not make empty key names; an empty path is no key.
    EXPECT_TRUE(store.KeyExists(u"\\HKEY_CURRENT_USER\\\\software\\"));
    EXPECT_FALSE(store.CreateKey(u""));
    EXPECT_FALSE(store.SetInteger(u"\\\\", u"x", 1));
    EXPECT_FALSE(store.CreateKey(u"A\\bad\nname"));
}

TEST(Registry, AnyUtf16TextSurvivesTheUtf8File) {
    const std::u16string texts[] = {
        u"plain",
        u"back\\slash \"quoted\" \\\"",
        u"line\r\nbreak\ttab",
        std::u16string(u"nul\0inside", 10),
        u"\u20ac \u00e9 \u4e2d\u6587 \U0001F600",
        u"\u0080\u009f\u007f",
        u"lone \xD800 high",
        u"lone \xDC00 low",
        u"\xDC00\xD800 reversed pair",
        u"ends high \xDBFF",
        u"\\u0041 is not an escape here",
        u"",
    };
    TempFolder dir;
    const std::string file = dir / "registry.reg";
    {
        RegistryStore store(file);
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            std::u16string name = u"v" + Widen(std::to_string(i)) + texts[i];
            ASSERT_TRUE(store.SetText(u"HKEY_CURRENT_USER\\T", name, texts[i])) << i;
        }
    }
    const std::string bytes = ReadText(file);
    EXPECT_EQ(ToUtf8(FromUtf8(bytes)), bytes) << "the file is valid UTF-8";
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 4 + std::ssize(texts));
    RegistryStore again(file);
    ASSERT_EQ(again.TakeLoadProblem(), "");
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        std::u16string name = u"v" + Widen(std::to_string(i)) + texts[i];
        auto value = again.GetValue(u"HKEY_CURRENT_USER\\T", name);
        ASSERT_TRUE(value.has_value()) << ToUtf8(texts[i]);
        EXPECT_EQ(value->text, texts[i]) << ToUtf8(texts[i]);
    }
}

TEST(Registry, HandWrittenFileWithCrLfCommentsAndContinuedHexLoads) {
    TempFolder dir;
    const std::string file = dir / "registry.reg";
    WriteText(file,
              "\xEF\xBB\xBFREGEDIT4\r\n\r\n; a comment\r\n[HKEY_CURRENT_USER\\a]\r\n"
              "\"Bin\"=hex:01,02,\\\r\n  03,FF\r\n\"N\"=dword:0000000A\r\n\r\n");
    RegistryStore store(file);
    EXPECT_EQ(store.TakeLoadProblem(), "");
    EXPECT_EQ(store.GetValue(u"HKEY_CURRENT_USER\\a", u"Bin")->binary,
              (std::vector<std::uint8_t>{1, 2, 3, 255}));
    EXPECT_EQ(store.GetValue(u"HKEY_CURRENT_USER\\a", u"n")->integer, 10u);
}

TEST(Registry, DamagedFileIsSetAsideOnceAndNeverOverwritten) {
    const std::string good = "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"N\"=dword:0000000a\n\n";
    const std::string damaged[] = {
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"N\"=dword:0000",        // cut in a line
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"N\"=dword:0000\n",      // short dword
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"T\"=\"unclosed\n\n",    // text cut short
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"B\"=hex:01,0\n\n",      // half a byte
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"B\"=hex:01,\\\n",       // continuation missing
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"E\"=hex(2):41,00\n\n",  // unknown kind
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"N\"=42\n\n",            // unknown syntax
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"T\"=\"a\\qb\"\n\n",     // unknown escape
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a]\n\"T\"=\"a\"b\n\n",        // text then junk
        "REGEDIT4\n\n\"N\"=dword:0000000a\n\n",                        // no section
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\a\n\n",                       // section unclosed
        "REGEDIT4\n\n[]\n\n",                                          // empty section
        "REGEDIT4\n\n[a]\n\"T\"=\"\xff\xfe\"\n\n",                     // not UTF-8
        "REGEDIT4\n\n[a]\n\"T\"=\"\x01\"\n\n",                         // raw control byte
        "Windows Registry Editor Version 5.00\n\n",                    // other header
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\n",  // garbage
        std::string("\0\0\0\0\n", 5),
        "",
    };
    for (const std::string& bytes : damaged) {
        TempFolder dir;
        const std::string file = dir / "registry.reg";
        WriteText(file + ".bad", "an older bad file");
        WriteText(file, bytes);
        RegistryStore store(file);
        EXPECT_NE(store.TakeLoadProblem(), "") << bytes;
        EXPECT_EQ(store.TakeLoadProblem(), "") << bytes;
        EXPECT_TRUE(store.ValueNames(u"HKEY_CURRENT_USER\\a").empty()) << bytes;
        EXPECT_FALSE(PathExists(file)) << bytes;
        EXPECT_EQ(ReadText(file + ".bad"), "an older bad file") << bytes;
        EXPECT_EQ(ReadText(file + ".bad.1"), bytes) << bytes;
        EXPECT_TRUE(store.SetInteger(u"HKEY_CURRENT_USER\\a", u"N", 10)) << bytes;
        EXPECT_EQ(ReadText(file), good) << bytes;
        EXPECT_EQ(ReadText(file + ".bad.1"), bytes) << bytes;
    }
}

TEST(Registry, UnreadableFileIsReportedAndSetAside) {
    TempFolder dir;
    const std::string file = dir / "registry.reg";
    ASSERT_TRUE(CreateFolder(file));  // reading a folder fails
    RegistryStore store(file);
    EXPECT_NE(store.TakeLoadProblem().find("could not be read"), std::string::npos);
    EXPECT_TRUE(IsDirectory(file + ".bad"));
    EXPECT_TRUE(store.SetInteger(u"K", u"N", 1));
    EXPECT_EQ(RegistryStore(file).GetValue(u"K", u"N")->integer, 1u);
}

TEST(Registry, UnwritableFolderFailsTheSetterAndKeepsTheStoreAsStored) {
    TempFolder dir;
    WriteText(dir / "plainfile", "x");
    // A folder below a plain file can be neither created nor written, even by root.
    RegistryStore store(dir / "plainfile/roamquill/registry.reg");
    EXPECT_EQ(store.TakeLoadProblem(), "");
    EXPECT_FALSE(store.SetInteger(u"K", u"N", 1));
    EXPECT_FALSE(store.SetText(u"K", u"T", u"t"));
    EXPECT_FALSE(store.SetBinary(u"K", u"B", {1}));
    EXPECT_FALSE(store.CreateKey(u"K"));
    EXPECT_FALSE(store.GetValue(u"K", u"N").has_value());
    EXPECT_FALSE(store.KeyExists(u"K"));
}

TEST(Registry, ConcurrentWritersAndReadersSeeWholeValues) {
    TempFolder dir;
    const std::string file = dir / "registry.reg";
    RegistryStore store(file);
    auto writer = [&store](std::u16string name) {
        for (std::uint32_t i = 0; i < 20; ++i) store.SetInteger(u"K", name, i);
    };
    std::thread a(writer, u"A"), b(writer, u"B");
    for (int i = 0; i < 200; ++i) {
        if (auto v = store.GetValue(u"K", u"A")) {
            EXPECT_LT(v->integer, 20u);
        }
    }
    a.join();
    b.join();
    RegistryStore again(file);
    EXPECT_EQ(again.GetValue(u"K", u"A")->integer, 19u);
    EXPECT_EQ(again.GetValue(u"K", u"B")->integer, 19u);
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
