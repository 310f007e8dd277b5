// Reads a recorded NMEA log line by line: chunks of at most 120 bytes, a line ends
// at LF, CR characters are removed, a zero byte ends what a chunk gives.
#pragma once

#include <cstdio>
#include <string>

namespace rq {

class CLogLineReader {
public:
    static constexpr std::size_t kChunkSize = 120;

    CLogLineReader() = default;
    ~CLogLineReader();
    CLogLineReader(const CLogLineReader&) = delete;
    CLogLineReader& operator=(const CLogLineReader&) = delete;

    // Closes an open file first.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }
    // The next line; false at the end of the file. The last line of a file without a
    // line end comes back with its CR characters.
    bool ReadLine(std::u16string& line);
    bool Rewind();

private:
    std::FILE* file_ = nullptr;
};

}  // namespace rq
