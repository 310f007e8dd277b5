#include "keepers/LogLineReader.h"

#include <cstring>

#include "platform/Text.h"

namespace rq {

CLogLineReader::~CLogLineReader() {
    Close();
}

bool CLogLineReader::Open(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "rb");
    return file_ != nullptr;
}

void CLogLineReader::Close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

bool CLogLineReader::Rewind() {
    return file_ && std::fseek(file_, 0, SEEK_SET) == 0;
}

bool CLogLineReader::ReadLine(std::u16string& line) {
    line.clear();
    if (!file_) return false;
    char chunk[kChunkSize];
    for (;;) {
        std::size_t got = std::fread(chunk, 1, kChunkSize, file_);
        if (got == 0) return !line.empty();
        const void* lf = std::memchr(chunk, '\n', got);
        std::size_t take =
            lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - chunk) : got;
        if (const void* zero = std::memchr(chunk, 0, take))
            take = static_cast<std::size_t>(static_cast<const char*>(zero) - chunk);
        platform::AppendAnsi(line, chunk, take);
        if (lf) {
            // Give back what follows the line end, for the next line.
            long after = static_cast<long>(static_cast<const char*>(lf) - chunk) + 1;
            std::fseek(file_, after - static_cast<long>(got), SEEK_CUR);
            std::erase(line, u'\r');
            return true;
        }
    }
}

}  // namespace rq
