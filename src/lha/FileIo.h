#pragma once
// Buffered whole-block reads and writes on file descriptors. Every failure
// raises LhaError with the file's name, so no caller can miss one.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "LhaError.h"

namespace tolvane::lha {

class FileReader {
  public:
    explicit FileReader(const std::string& path);  // throws kErrNoArchive / kErrRead
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Up to `size` bytes; fewer only at the end of the file.
    std::size_t Read(std::uint8_t* data, std::size_t size);
    void ReadExact(std::uint8_t* data, std::size_t size, ResultCode onShort);
    void Seek(std::uint64_t offset);
    std::uint64_t Position() const { return position_; }
    std::uint64_t Size() const { return size_; }
    const std::string& Path() const { return path_; }

  private:
    int fd_ = -1;
    std::string path_;
    std::vector<std::uint8_t> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    std::uint64_t position_ = 0;  // of the next byte handed out
    std::uint64_t size_ = 0;
};

class FileWriter {
  public:
    // Creates or truncates `path` with `mode`.
    FileWriter(const std::string& path, unsigned mode);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    void Write(const std::uint8_t* data, std::size_t size);
    void Flush();
    void Seek(std::uint64_t offset);  // flushes first
    void Truncate(std::uint64_t size);
    std::uint64_t Position() const { return position_ + pending_.size(); }
    void Close();  // flushes; throws on a failed write
    const std::string& Path() const { return path_; }

  private:
    int fd_ = -1;
    std::string path_;
    std::vector<std::uint8_t> pending_;
    std::uint64_t position_ = 0;
};

}  // namespace tolvane::lha
