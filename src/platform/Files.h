// Files and folders. Paths are UTF-8 std::string with '/' separators; folder paths
// handed out here end with '/'.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace rq::platform {

bool PathExists(const std::string& path);
bool IsDirectory(const std::string& path);
// Creates one folder; an existing folder counts as failure (as on the device), so
// callers test PathExists first where that matters.
bool CreateFolder(const std::string& path);
// Names (not paths) of the entries of `folder` matching `pattern` ('*' and '?',
// case-sensitive), in the order the file system returns them.
std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern);
bool MatchesWildcard(std::string_view name, std::string_view pattern);
bool DeletePath(const std::string& path);
// Fails when the destination exists.
bool RenamePath(const std::string& from, const std::string& to);
// Moves a damaged file out of the way to "<file>.bad", or "<file>.bad.N" when an earlier
// one is still there: a file set aside is never replaced, and the next save cannot
// overwrite what may still be recovered from it. True when the path is free afterwards.
bool SetAsideFile(const std::string& path, std::string& badPath);
std::string JoinPath(const std::string& folder, const std::string& name);

// The program folder, with a trailing '/': the folder of the executable, unless
// --data-dir or ROAMQUILL_DATA_DIR chose another (SetProgramFolder).
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);

// A file written beside its destination and renamed over it on Commit, so a crash or
// full disk mid-way leaves the old file whole. Dropping an uncommitted writer removes
// the temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string destination);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool IsOpen() const;
    bool Write(const void* data, std::size_t size);
    // Flushes to disk and renames over the destination; false (and the old file kept)
    // when any write, the flush or the rename failed.
    bool Commit();

private:
    std::string destination_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// Whole-file helpers for small files.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out);
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

}  // namespace rq::platform
