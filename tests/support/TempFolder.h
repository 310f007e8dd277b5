// A fresh folder under the system's temporary folder for one test, removed with
// everything in it when the test ends (permissions a test took away are given back
// first, so the removal works); whole-file helpers; the program folder for a scope.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/Files.h"

namespace rq::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rq-XXXXXX").string();
        if (char* made = mkdtemp(pattern.data())) path_ = std::string(made) + "/";
    }
    ~TempFolder() {
        if (path_.empty()) return;
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With a trailing '/'.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

inline std::string ReadText(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

inline void WriteText(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Makes `folder` the program folder until the scope ends, then drops the choice again
// (restoring the resolved folder as a choice would hide later environment changes).
class ProgramFolderScope {
public:
    explicit ProgramFolderScope(const std::string& folder) { platform::SetProgramFolder(folder); }
    ~ProgramFolderScope() { platform::SetProgramFolder(""); }
    ProgramFolderScope(const ProgramFolderScope&) = delete;
    ProgramFolderScope& operator=(const ProgramFolderScope&) = delete;
};

}  // namespace rq::test
