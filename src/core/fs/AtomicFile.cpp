#include "fs/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace tolvane {
namespace {

[[noreturn]] void Fail(const std::string& path, int err) {
    throw EFileWriteError("cannot write \"" + path + "\": " + std::strerror(err));
}

}  // namespace

void WriteFileAtomically(const std::string& utf8Path, std::string_view bytes, mode_t mode) {
    std::vector<char> tmpl(utf8Path.begin(), utf8Path.end());
    const std::string suffix = ".XXXXXX";
    tmpl.insert(tmpl.end(), suffix.begin(), suffix.end());
    tmpl.push_back('\0');
    int fd = mkstemp(tmpl.data());
    if (fd < 0) Fail(utf8Path, errno);
    const std::string tmpPath(tmpl.data());
    auto abandon = [&](int err) {
        close(fd);
        unlink(tmpPath.c_str());
        Fail(utf8Path, err);
    };
    if (fchmod(fd, mode) != 0) abandon(errno);
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0) abandon(errno);
    if (close(fd) != 0) {
        int err = errno;
        unlink(tmpPath.c_str());
        Fail(utf8Path, err);
    }
    if (rename(tmpPath.c_str(), utf8Path.c_str()) != 0) {
        int err = errno;
        unlink(tmpPath.c_str());
        Fail(utf8Path, err);
    }
}

bool ReadWholeFile(const std::string& utf8Path, std::string& bytes) {
    std::ifstream in(utf8Path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace tolvane
