#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/Files.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

using namespace rq::platform;
using rq::test::ReadText;
using rq::test::TempFolder;
using rq::test::WriteText;

TEST(Files, WildcardsAndFolderOperations) {
    const auto rows = rq::test::CaseTable("cases/wildcards.txt");
    ASSERT_EQ(rows.size(), 15u);
    for (const auto& c : rows)
        EXPECT_EQ(MatchesWildcard(c[1], c[0]), c[2] == "1") << c[0] << " ~ " << c[1];

    TempFolder dir;
    for (const char* name : {"b.trk", "a.trk", "c.poi", "old", "other"})
        WriteText(dir / name, name);
    ASSERT_TRUE(CreateFolder(dir / "d.trk"));
    std::vector<std::string> listed;  // readdir order, as the folder gives it
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        if (e.path().extension() == ".trk") listed.push_back(e.path().filename().string());
    }
    EXPECT_EQ(FindFiles(dir.Path(), "*.trk"), listed);
    EXPECT_EQ(listed.size(), 3u);
    EXPECT_EQ(FindFiles(dir.Path() + "/", "*").size(), 6u) << "no . or ..";
    EXPECT_TRUE(FindFiles(dir / "missing", "*").empty());

    EXPECT_FALSE(CreateFolder(dir / "d.trk")) << "an existing folder is a failure";
    EXPECT_FALSE(CreateFolder(dir / "old")) << "so is a file of that name";
    EXPECT_FALSE(CreateFolder(dir / "no/such"));
    EXPECT_TRUE(IsDirectory(dir / "d.trk") && !IsDirectory(dir / "old") && PathExists(dir / "old"));

    EXPECT_FALSE(RenamePath(dir / "old", dir / "other")) << "never over an existing file";
    EXPECT_EQ(ReadText(dir / "other"), "other");
    EXPECT_TRUE(RenamePath(dir / "old", dir / "new"));
    EXPECT_EQ(ReadText(dir / "new"), "old");
    EXPECT_FALSE(PathExists(dir / "old"));
    EXPECT_TRUE(RenamePath(dir / "d.trk", dir / "e.trk"));
    EXPECT_TRUE(DeletePath(dir / "new") && DeletePath(dir / "e.trk"));
    EXPECT_FALSE(DeletePath(dir / "e.trk"));
    EXPECT_EQ(JoinPath("/a/", "c") + JoinPath("/a", "c") + JoinPath("", "c"), "/a/c/a/cc");
}

TEST(Files, ProgramFolderIsTheExecutablesUnlessChosen) {
    std::string exe = std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
    ::unsetenv("ROAMQUILL_DATA_DIR");
    EXPECT_EQ(ProgramFolder(), exe);
    ::setenv("ROAMQUILL_DATA_DIR", "/srv/rq", 1);
    EXPECT_EQ(ProgramFolder(), "/srv/rq/");
    SetProgramFolder("/data/other");
    EXPECT_EQ(ProgramFolder(), "/data/other/");
    SetProgramFolder("");
    ::unsetenv("ROAMQUILL_DATA_DIR");
    EXPECT_EQ(ProgramFolder(), exe);
}

TEST(Files, AtomicWriterReplacesTheFileOnlyOnCommit) {
    TempFolder dir;
    const std::string file = dir / "my.tk";
    WriteText(file, "old");
    {
        AtomicFileWriter dropped(file);
        EXPECT_TRUE(dropped.Write("new", 3));
        EXPECT_EQ(FindFiles(dir.Path(), "my.tk.tmp-*").size(), 1u) << "beside the file";
    }
    EXPECT_EQ(ReadText(file), "old");
    AtomicFileWriter writer(file);
    EXPECT_TRUE(writer.Write("new ", 4) && writer.Write("one", 3) && writer.Commit());
    EXPECT_FALSE(writer.Commit() || writer.Write("x", 1)) << "a writer commits once";
    EXPECT_EQ(ReadText(file), "new one");
    EXPECT_EQ(FindFiles(dir.Path(), "*"), std::vector<std::string>{"my.tk"});

    EXPECT_FALSE(WriteFileAtomically(dir / "missing/b.bin", "x", 1));
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(WriteFileAtomically(dir / "b.bin", "\0\1", 2) &&
                ReadWholeFile(dir / "b.bin", bytes));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0, 1}));
    EXPECT_FALSE(ReadWholeFile(dir / "none", bytes) || ReadWholeFile(dir.Path(), bytes));
}

TEST(Files, FailedWriteLeavesTheOldFileWhole) {
    TempFolder dir;
    const std::string file = dir / "my.tk", old(100, 'o');
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
        writer.Write(big.data(), big.size());
        bool committed = writer.Commit();
        bool whole = WriteFileAtomically(file, big.data(), big.size());
        ::_exit(!committed && !whole ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a failed write was committed";
    EXPECT_EQ(ReadText(file), old);
    EXPECT_EQ(FindFiles(dir.Path(), "*"), std::vector<std::string>{"my.tk"}) << "temporaries gone";
}
