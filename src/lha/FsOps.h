#pragma once
// File system steps of the archiver, each raising LhaError with the path.

#include <cstdint>
#include <memory>
#include <string>

#include "FileIo.h"

namespace tolvane::lha {

// Creates `path` and its missing parents; an existing non-folder is an error.
void MakeFolders(const std::string& path);
void SetTime(const std::string& path, std::int64_t mtime);

// A file written under a temporary name in its folder; Commit renames it into
// place, and a PendingFile destroyed uncommitted removes itself.
class PendingFile {
  public:
    explicit PendingFile(const std::string& finalPath);
    ~PendingFile();
    void Write(const std::uint8_t* data, std::size_t size) { writer_->Write(data, size); }
    FileWriter& Writer() { return *writer_; }
    void Commit(unsigned mode, std::int64_t mtime);
    const std::string& TempPath() const { return tempPath_; }

  private:
    std::string finalPath_;
    std::string tempPath_;
    std::unique_ptr<FileWriter> writer_;
    bool committed_ = false;
};

}  // namespace tolvane::lha
