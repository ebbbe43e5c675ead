#include "FsOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace tolvane::lha {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path) {
    throw LhaError(kErrWrite, what + " \"" + path + "\": " + std::strerror(errno));
}

}  // namespace

void MakeFolders(const std::string& path) {
    if (path.empty()) return;
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (!S_ISDIR(st.st_mode)) {
            errno = ENOTDIR;
            Fail("cannot make folder", path);
        }
        return;
    }
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) MakeFolders(path.substr(0, slash));
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) Fail("cannot make folder", path);
}

void SetTime(const std::string& path, std::int64_t mtime) {
    timespec times[2];
    times[0].tv_sec = static_cast<time_t>(mtime);
    times[0].tv_nsec = 0;
    times[1] = times[0];
    utimensat(AT_FDCWD, path.c_str(), times, 0);  // a time not set loses no data
}

PendingFile::PendingFile(const std::string& finalPath) : finalPath_(finalPath) {
    const std::size_t slash = finalPath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : finalPath.substr(0, slash);
    std::vector<char> name(folder.begin(), folder.end());
    const std::string suffix = "/.tolvane-XXXXXX";
    name.insert(name.end(), suffix.begin(), suffix.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) Fail("cannot create a file in", folder);
    close(fd);
    tempPath_ = name.data();
    writer_ = std::make_unique<FileWriter>(tempPath_, 0600);
}

PendingFile::~PendingFile() {
    if (!committed_) {
        writer_.reset();
        unlink(tempPath_.c_str());
    }
}

void PendingFile::Commit(unsigned mode, std::int64_t mtime) {
    writer_->Close();
    if (chmod(tempPath_.c_str(), mode) != 0) Fail("cannot set the mode of", finalPath_);
    SetTime(tempPath_, mtime);
    struct stat st {};
    if (lstat(finalPath_.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        errno = EISDIR;
        Fail("cannot replace", finalPath_);
    }
    if (rename(tempPath_.c_str(), finalPath_.c_str()) != 0) Fail("cannot write", finalPath_);
    committed_ = true;
}

}  // namespace tolvane::lha
