#include "platform/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace rq::platform {

namespace {

std::mutex gProgramFolderMutex;
std::string gProgramFolderOverride;

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder.push_back('/');
    return folder;
}

std::string ExecutableFolder() {
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return "./";
    std::string path(buffer, static_cast<std::size_t>(n));
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "./";
    return path.substr(0, slash + 1);
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Makes a rename durable: the new directory entry is on disk once the folder is synced.
void SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool PathExists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateFolder(const std::string& path) {
    return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (MatchesWildcard(name, pattern)) names.emplace_back(name);
    }
    ::closedir(dir);
    return names;
}

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
    // Greedy match with one backtrack point: the last '*' seen absorbs one more character
    // whenever the rest fails to match.
    std::size_t n = 0, p = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool DeletePath(const std::string& path) {
    if (path.empty()) return false;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) ? ::rmdir(path.c_str()) == 0 : ::unlink(path.c_str()) == 0;
}

bool RenamePath(const std::string& from, const std::string& to) {
    if (from.empty() || to.empty()) return false;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the no-replace flag: a hard link fails on an existing name.
    struct stat st;
    if (::lstat(from.c_str(), &st) != 0) return false;
    if (!S_ISDIR(st.st_mode)) {
        if (::link(from.c_str(), to.c_str()) != 0) {
            if (errno == EEXIST) return false;
            // No hard links here either (some removable media): check, then rename.
            if (PathExists(to)) return false;
            return ::rename(from.c_str(), to.c_str()) == 0;
        }
        if (::unlink(from.c_str()) != 0) {
            ::unlink(to.c_str());
            return false;
        }
        return true;
    }
    if (PathExists(to)) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string ProgramFolder() {
    {
        std::lock_guard<std::mutex> lock(gProgramFolderMutex);
        if (!gProgramFolderOverride.empty()) return gProgramFolderOverride;
    }
    if (const char* dir = std::getenv("ROAMQUILL_DATA_DIR"); dir != nullptr && *dir != '\0') {
        return WithTrailingSlash(dir);
    }
    static const std::string executableFolder = ExecutableFolder();
    return executableFolder;
}

void SetProgramFolder(const std::string& folder) {
    std::lock_guard<std::mutex> lock(gProgramFolderMutex);
    gProgramFolderOverride = folder.empty() ? std::string() : WithTrailingSlash(folder);
}

AtomicFileWriter::AtomicFileWriter(std::string destination) : destination_(std::move(destination)) {
    static std::atomic<unsigned> counter{0};
    temporary_ = destination_ + ".tmp-" + std::to_string(::getpid()) + "-" +
                 std::to_string(counter.fetch_add(1));
    int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        failed_ = true;
        return;
    }
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        ::close(fd);
        ::unlink(temporary_.c_str());
        failed_ = true;
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (file_ != nullptr) {
        std::fclose(file_);
        ::unlink(temporary_.c_str());
    }
}

bool AtomicFileWriter::IsOpen() const {
    return file_ != nullptr;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size) {
    if (file_ == nullptr || failed_) return false;
    if (size != 0 && std::fwrite(data, 1, size, file_) != size) failed_ = true;
    return !failed_;
}

bool AtomicFileWriter::Commit() {
    if (file_ == nullptr) return false;
    bool ok = !failed_ && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (ok) ok = ::rename(temporary_.c_str(), destination_.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary_.c_str());
        failed_ = true;
        return false;
    }
    SyncFolder(FolderOf(destination_));
    return true;
}

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out) {
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::uint8_t buffer[65536];
    bool ok = true;
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;
        out.insert(out.end(), buffer, buffer + n);
    }
    ::close(fd);
    if (!ok) out.clear();
    return ok;
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    AtomicFileWriter writer(path);
    return writer.IsOpen() && writer.Write(data, size) && writer.Commit();
}

bool SetAsideFile(const std::string& path, std::string& badPath) {
    for (int n = 0; n < 100; ++n) {
        badPath = path + ".bad" + (n == 0 ? std::string() : "." + std::to_string(n));
        if (PathExists(badPath)) continue;
        return RenamePath(path, badPath) || !PathExists(path);
    }
    return false;
}

}  // namespace rq::platform
