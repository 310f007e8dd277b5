// The NMEA log recorder of the serial keeper. The user-interface thread opens and
// closes the file, the serial worker writes the bytes it reads; the recorder mutex
// guards the file between the two.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Kernel.h"

namespace rq {

class CLogRecorder {
public:
    static constexpr std::uint32_t kCommandWaitMs = 10000;
    static constexpr std::uint32_t kWorkerWaitMs = 200;
    static constexpr std::uint32_t kFlushIntervalMs = 60000;

    CLogRecorder();
    ~CLogRecorder();
    CLogRecorder(const CLogRecorder&) = delete;
    CLogRecorder& operator=(const CLogRecorder&) = delete;

    // Fails at once while recording. An existing file is emptied; other writers are
    // shut out while it is open.
    bool StartRecording(const std::string& path);
    // False when the mutex was not free within 10000 ms (the file stays open).
    bool StopRecording();
    bool IsRecording() const { return fileOpen_.load(); }

    // Worker side: writes the bytes exactly as read. A write or flush error stops
    // recording; bytes are dropped when the mutex is not free within 200 ms.
    void Write(const void* bytes, std::size_t count);

    // Tick source for the flush interval (tests inject one).
    void SetTickSource(std::function<std::uint32_t()> ticks) { ticks_ = std::move(ticks); }

private:
    void CloseFile();
    bool WriteAll(const void* bytes, std::size_t count);

    std::atomic<bool> recording_{false};
    std::atomic<bool> fileOpen_{false};
    platform::Mutex mutex_;
    int fd_ = -1;
    std::uint32_t lastFlush_ = 0;
    std::function<std::uint32_t()> ticks_;
};

}  // namespace rq
