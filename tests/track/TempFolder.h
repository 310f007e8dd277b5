// A fresh folder under the system's temporary folder, removed with its content.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Files.h"

namespace rq::tracktest {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rq-track-XXXXXX").string();
        if (char* made = mkdtemp(pattern.data())) path_ = std::string(made) + "/";
    }
    ~TempFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // With a trailing '/'.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Makes `folder` the program folder until the scope ends, then drops the choice again
// (restoring the resolved folder as a choice would hide later environment changes).
class ProgramFolderScope {
public:
    explicit ProgramFolderScope(const std::string& folder) { platform::SetProgramFolder(folder); }
    ~ProgramFolderScope() { platform::SetProgramFolder(""); }
    ProgramFolderScope(const ProgramFolderScope&) = delete;
    ProgramFolderScope& operator=(const ProgramFolderScope&) = delete;
};

}  // namespace rq::tracktest
