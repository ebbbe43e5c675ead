#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tolvane::lha {
namespace {

constexpr std::size_t kBufferSize = 1 << 18;

std::string Why(const std::string& what, const std::string& path) {
    return what + " \"" + path + "\": " + std::strerror(errno);
}

}  // namespace

FileReader::FileReader(const std::string& path) : path_(path) {
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw LhaError(kErrNoArchive, Why("cannot open", path));
    struct stat st {};
    if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd_);
        fd_ = -1;
        throw LhaError(kErrNoArchive, "not a readable file \"" + path + "\"");
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
    buffer_.resize(kBufferSize);
}

FileReader::~FileReader() {
    if (fd_ >= 0) close(fd_);
}

std::size_t FileReader::Read(std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        if (begin_ == end_) {
            // Large reads bypass the buffer.
            if (size - done >= buffer_.size()) {
                ssize_t n = read(fd_, data + done, size - done);
                if (n < 0 && errno == EINTR) continue;
                if (n < 0) throw LhaError(kErrRead, Why("cannot read", path_));
                if (n == 0) break;
                done += static_cast<std::size_t>(n);
                position_ += static_cast<std::uint64_t>(n);
                continue;
            }
            ssize_t n = read(fd_, buffer_.data(), buffer_.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) throw LhaError(kErrRead, Why("cannot read", path_));
            if (n == 0) break;
            begin_ = 0;
            end_ = static_cast<std::size_t>(n);
        }
        std::size_t take = std::min(size - done, end_ - begin_);
        std::memcpy(data + done, buffer_.data() + begin_, take);
        begin_ += take;
        done += take;
        position_ += take;
    }
    return done;
}

void FileReader::ReadExact(std::uint8_t* data, std::size_t size, ResultCode onShort) {
    if (Read(data, size) != size) throw LhaError(onShort, "unexpected end of \"" + path_ + "\"");
}

void FileReader::Seek(std::uint64_t offset) {
    if (lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
        throw LhaError(kErrRead, Why("cannot seek in", path_));
    }
    begin_ = end_ = 0;
    position_ = offset;
}

FileWriter::FileWriter(const std::string& path, unsigned mode) : path_(path) {
    fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd_ < 0) throw LhaError(kErrWrite, Why("cannot create", path));
    pending_.reserve(kBufferSize);
}

FileWriter::~FileWriter() {
    if (fd_ >= 0) close(fd_);
}

void FileWriter::Write(const std::uint8_t* data, std::size_t size) {
    if (pending_.size() + size > kBufferSize) Flush();
    if (size >= kBufferSize) {
        while (size > 0) {
            ssize_t n = write(fd_, data, size);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) throw LhaError(kErrWrite, Why("cannot write", path_));
            data += n;
            size -= static_cast<std::size_t>(n);
            position_ += static_cast<std::uint64_t>(n);
        }
        return;
    }
    pending_.insert(pending_.end(), data, data + size);
}

void FileWriter::Flush() {
    const std::uint8_t* p = pending_.data();
    std::size_t left = pending_.size();
    while (left > 0) {
        ssize_t n = write(fd_, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw LhaError(kErrWrite, Why("cannot write", path_));
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    position_ += pending_.size();
    pending_.clear();
}

void FileWriter::Seek(std::uint64_t offset) {
    Flush();
    if (lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
        throw LhaError(kErrWrite, Why("cannot seek in", path_));
    }
    position_ = offset;
}

void FileWriter::Truncate(std::uint64_t size) {
    Flush();
    if (ftruncate(fd_, static_cast<off_t>(size)) != 0) {
        throw LhaError(kErrWrite, Why("cannot truncate", path_));
    }
}

void FileWriter::Close() {
    if (fd_ < 0) return;
    Flush();
    int rc = close(fd_);
    fd_ = -1;
    if (rc != 0) throw LhaError(kErrWrite, Why("cannot write", path_));
}

}  // namespace tolvane::lha
