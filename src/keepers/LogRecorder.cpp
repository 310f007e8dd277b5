#include "keepers/LogRecorder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace rq {

CLogRecorder::CLogRecorder() : ticks_(platform::GetTickCount) {}

CLogRecorder::~CLogRecorder() {
    CloseFile();
}

void CLogRecorder::CloseFile() {
    if (fd_ >= 0) {
        ::fdatasync(fd_);
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
        fd_ = -1;
    }
}

bool CLogRecorder::StartRecording(const std::string& path) {
    if (fileOpen_.load()) return false;
    if (!mutex_.Lock(kCommandWaitMs)) return false;
    CloseFile();
    // Lock before emptying, so a file another writer holds is left alone.
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    bool ok = fd >= 0;
    if (ok && (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0)) {
        ::close(fd);
        ok = false;
    }
    if (ok) {
        fd_ = fd;
        fileOpen_ = true;
        recording_ = true;
    }
    mutex_.Unlock();
    return ok;
}

bool CLogRecorder::StopRecording() {
    recording_ = false;
    if (!mutex_.Lock(kCommandWaitMs)) return false;
    CloseFile();
    fileOpen_ = false;
    mutex_.Unlock();
    return true;
}

bool CLogRecorder::WriteAll(const void* bytes, std::size_t count) {
    const char* p = static_cast<const char*>(bytes);
    while (count > 0) {
        ssize_t n = ::write(fd_, p, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

void CLogRecorder::Write(const void* bytes, std::size_t count) {
    if (!recording_.load()) return;
    if (!mutex_.Lock(kWorkerWaitMs)) return;
    bool ok = true;
    if (fd_ >= 0) {
        ok = WriteAll(bytes, count);
        std::uint32_t now = ticks_();
        if (ok && now - lastFlush_ >= kFlushIntervalMs) {
            ok = ::fdatasync(fd_) == 0 || errno == EINVAL;
            lastFlush_ = now;
        }
    }
    if (!ok) {
        // A full disk or a removed card: recording ends, the connection goes on.
        recording_ = false;
        CloseFile();
        fileOpen_ = false;
    }
    mutex_.Unlock();
}

}  // namespace rq
