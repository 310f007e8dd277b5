#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/Files.h"
#include "platform/TempFolder.h"

using namespace rq::platform;
using rq::testing::ReadText;
using rq::testing::TempFolder;
using rq::testing::WriteText;

namespace {

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        names.push_back(e.path().filename().string());
    }
    return names;
}

}  // namespace

TEST(Files, WildcardsMatchWholeNamesCaseSensitively) {
    struct Case {
        const char* pattern;
        const char* name;
        bool matches;
    };
    const Case cases[] = {
        {"*.trk", "my.trk", true},
        {"*.trk", "my.trk.bak", false},
        {"*.trk", ".trk", true},
        {"*.TRK", "my.trk", false},
        {"?.poi", "a.poi", true},
        {"?.poi", "ab.poi", false},
        {"?.poi", ".poi", false},
        {"*", "", true},
        {"*", "anything", true},
        {"", "", true},
        {"", "a", false},
        {"a*b*c", "aXXbYYc", true},
        {"a*b*c", "aXXbYY", false},
        {"a*b", "ab", true},
        {"*.*", "noext", false},
        {"**a", "a", true},
        {"*a?", "xxaab", true},
        {"*ab", "aab", true},
        {"*.nmea", "2008-01-01.nmea", true},
        {"default_cfg*.ini", "default_cfg_vga.ini", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesWildcard(c.name, c.pattern), c.matches) << c.pattern << " ~ " << c.name;
    }
}

TEST(Files, FolderOperations) {
    TempFolder dir;
    for (const char* name : {"b.trk", "a.trk", "c.poi", "my.tk"}) WriteText(dir / name, "x");
    ASSERT_TRUE(CreateFolder(dir / "d.trk"));

    std::vector<std::string> expected;
    for (const std::string& name : Entries(dir.Path())) {
        if (MatchesWildcard(name, "*.trk")) expected.push_back(name);
    }
    EXPECT_EQ(FindFiles(dir.Path(), "*.trk"), expected) << "in the order the folder lists them";
    EXPECT_EQ(expected.size(), 3u);
    std::vector<std::string> all = FindFiles(dir.Path() + "/", "*");
    EXPECT_EQ(all.size(), 5u) << "no . or ..";
    EXPECT_TRUE(FindFiles(dir / "missing", "*").empty());

    EXPECT_FALSE(CreateFolder(dir / "d.trk")) << "an existing folder is a failure";
    EXPECT_FALSE(CreateFolder(dir / "my.tk")) << "so is a file of that name";
    EXPECT_FALSE(CreateFolder(dir / "no/such"));
    EXPECT_TRUE(IsDirectory(dir / "d.trk"));
    EXPECT_FALSE(IsDirectory(dir / "my.tk"));
    EXPECT_TRUE(PathExists(dir / "my.tk"));
    EXPECT_FALSE(PathExists(dir / "nothing"));
    EXPECT_FALSE(PathExists(""));

    WriteText(dir / "old", "old");
    WriteText(dir / "other", "other");
    EXPECT_FALSE(RenamePath(dir / "old", dir / "other")) << "never over an existing file";
    EXPECT_EQ(ReadText(dir / "old"), "old");
    EXPECT_EQ(ReadText(dir / "other"), "other");
    EXPECT_TRUE(RenamePath(dir / "old", dir / "new"));
    EXPECT_FALSE(PathExists(dir / "old"));
    EXPECT_EQ(ReadText(dir / "new"), "old");
    EXPECT_FALSE(RenamePath(dir / "d.trk", dir / "new"));
    EXPECT_TRUE(RenamePath(dir / "d.trk", dir / "e.trk"));
    EXPECT_FALSE(RenamePath(dir / "missing", dir / "x"));

    EXPECT_TRUE(DeletePath(dir / "new"));
    EXPECT_TRUE(DeletePath(dir / "e.trk"));
    EXPECT_FALSE(DeletePath(dir / "e.trk"));

    EXPECT_EQ(JoinPath("/a/b/", "c.trk"), "/a/b/c.trk");
    EXPECT_EQ(JoinPath("/a/b", "c.trk"), "/a/b/c.trk");
    EXPECT_EQ(JoinPath("", "c.trk"), "c.trk");
}

TEST(Files, ProgramFolderIsTheExecutablesUnlessChosen) {
    std::string exe = std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
    ::unsetenv("ROAMQUILL_DATA_DIR");
    EXPECT_EQ(ProgramFolder(), exe);
    ::setenv("ROAMQUILL_DATA_DIR", "/srv/rq", 1);
    EXPECT_EQ(ProgramFolder(), "/srv/rq/");
    SetProgramFolder("/data/dir/");
    EXPECT_EQ(ProgramFolder(), "/data/dir/");
    SetProgramFolder("/data/other");
    EXPECT_EQ(ProgramFolder(), "/data/other/");
    SetProgramFolder("");
    EXPECT_EQ(ProgramFolder(), "/srv/rq/");
    ::unsetenv("ROAMQUILL_DATA_DIR");
    EXPECT_EQ(ProgramFolder(), exe);
}

TEST(Files, AtomicWriterReplacesTheFileOnlyOnCommit) {
    TempFolder dir;
    const std::string file = dir / "my.tk";
    WriteText(file, "old contents");
    {
        AtomicFileWriter writer(file);
        ASSERT_TRUE(writer.IsOpen());
        EXPECT_TRUE(writer.Write("new", 3));
        EXPECT_EQ(Entries(dir.Path()).size(), 2u) << "the temporary sits beside the file";
        EXPECT_EQ(ReadText(file), "old contents");
    }  // dropped uncommitted
    EXPECT_EQ(ReadText(file), "old contents");
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"my.tk"});

    AtomicFileWriter writer(file);
    EXPECT_TRUE(writer.Write("new ", 4));
    EXPECT_TRUE(writer.Write("contents", 8));
    EXPECT_TRUE(writer.Write(nullptr, 0));
    EXPECT_TRUE(writer.Commit());
    EXPECT_FALSE(writer.Commit()) << "a writer commits once";
    EXPECT_FALSE(writer.Write("x", 1));
    EXPECT_EQ(ReadText(file), "new contents");
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"my.tk"});

    AtomicFileWriter nowhere(dir / "missing/my.tk");
    EXPECT_FALSE(nowhere.IsOpen());
    EXPECT_FALSE(nowhere.Write("x", 1));
    EXPECT_FALSE(nowhere.Commit());

    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(WriteFileAtomically(dir / "b.bin", "\0\1\2", 3));
    EXPECT_TRUE(ReadWholeFile(dir / "b.bin", bytes));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 1, 2}));
    EXPECT_FALSE(ReadWholeFile(dir / "none", bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadWholeFile(dir.Path(), bytes)) << "a folder is no file";
    EXPECT_FALSE(WriteFileAtomically(dir / "missing/b.bin", "x", 1));
}

TEST(Files, FailedWriteLeavesTheOldFileWhole) {
    TempFolder dir;
    const std::string file = dir / "my.tk";
    const std::string old(100, 'o');
    WriteText(file, old);
    // A file size limit makes the writes fail part-way, as a full card would.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string big(65536, 'n');
        AtomicFileWriter writer(file);
        bool wrote = writer.IsOpen();
        for (int i = 0; i < 4 && wrote; ++i) wrote = writer.Write(big.data(), big.size());
        bool committed = writer.Commit();
        bool whole = WriteFileAtomically(file, big.data(), big.size());
        ::_exit(!committed && !whole ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "Commit reported success after a failed write";
    EXPECT_EQ(ReadText(file), old);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"my.tk"}) << "temporaries removed";
}
