// A fresh folder under the system's temporary folder, removed with its content.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace rq::test {

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

}  // namespace rq::test
