// Byte sinks and sources for the record files (.poi, and the category blocks that
// .trk files embed), so one record reader serves files, memory and the fuzzer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Files.h"

namespace rq {

class CByteSink {
public:
    virtual ~CByteSink();
    // False when the bytes could not all be written.
    virtual bool Write(const std::uint8_t* data, std::size_t size) = 0;
};

class CByteSource {
public:
    virtual ~CByteSource();
    // True only when all `size` bytes arrived.
    virtual bool Read(std::uint8_t* data, std::size_t size) = 0;
    // Bytes left to read, as far as the source knows; SIZE_MAX when it cannot tell.
    virtual std::size_t Remaining() const;
};

class CMemorySink : public CByteSink {
public:
    std::vector<std::uint8_t> bytes;
    bool Write(const std::uint8_t* data, std::size_t size) override;
};

class CMemorySource : public CByteSource {
public:
    CMemorySource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Read(std::uint8_t* data, std::size_t size) override;
    std::size_t Remaining() const override { return size_ - position_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Reads a file from its start; closed on destruction.
class CFileSource : public CByteSource {
public:
    explicit CFileSource(const std::string& path);
    ~CFileSource() override;
    CFileSource(const CFileSource&) = delete;
    CFileSource& operator=(const CFileSource&) = delete;
    bool IsOpen() const { return file_ != nullptr; }
    bool Read(std::uint8_t* data, std::size_t size) override;
    std::size_t Remaining() const override;

private:
    std::FILE* file_ = nullptr;
};

// Writes beside the destination; Commit renames over it. Without a successful Commit
// the destination keeps its old contents.
class CAtomicFileSink : public CByteSink {
public:
    explicit CAtomicFileSink(const std::string& destination) : writer_(destination) {}
    bool IsOpen() const { return writer_.IsOpen(); }
    bool Write(const std::uint8_t* data, std::size_t size) override;
    bool Commit() { return writer_.Commit(); }

private:
    platform::AtomicFileWriter writer_;
};

}  // namespace rq
