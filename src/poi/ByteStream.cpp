#include "poi/ByteStream.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstring>

namespace rq {

CByteSink::~CByteSink() = default;
CByteSource::~CByteSource() = default;

std::size_t CByteSource::Remaining() const {
    return SIZE_MAX;
}

bool CMemorySink::Write(const std::uint8_t* data, std::size_t size) {
    bytes.insert(bytes.end(), data, data + size);
    return true;
}

bool CMemorySource::Read(std::uint8_t* data, std::size_t size) {
    if (size > size_ - position_) {
        position_ = size_;
        return false;
    }
    if (size > 0) std::memcpy(data, data_ + position_, size);
    position_ += size;
    return true;
}

CFileSource::CFileSource(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

CFileSource::~CFileSource() {
    if (file_ != nullptr) std::fclose(file_);
}

bool CFileSource::Read(std::uint8_t* data, std::size_t size) {
    if (file_ == nullptr) return false;
    return std::fread(data, 1, size, file_) == size;
}

std::size_t CFileSource::Remaining() const {
    struct stat st;
    if (file_ == nullptr || ::fstat(::fileno(file_), &st) != 0 || !S_ISREG(st.st_mode))
        return SIZE_MAX;
    const off_t at = ::ftello(file_);
    if (at < 0 || at > st.st_size) return SIZE_MAX;
    return static_cast<std::size_t>(st.st_size - at);
}

bool CAtomicFileSink::Write(const std::uint8_t* data, std::size_t size) {
    return writer_.Write(data, size);
}

}  // namespace rq
