#pragma once

#include <sys/types.h>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvane {

class EFileWriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes `bytes` to a temporary file beside `utf8Path`, flushes it and renames
// it over the old file, so a crash or a full disk never leaves a half file in
// its place. Throws EFileWriteError naming the file.
void WriteFileAtomically(const std::string& utf8Path, std::string_view bytes, mode_t mode);

// The whole file, or nothing when it cannot be read.
bool ReadWholeFile(const std::string& utf8Path, std::string& bytes);

}  // namespace tolvane
