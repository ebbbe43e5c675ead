#pragma once
// Result codes of the archiver library and the error that carries one with
// its reply line.

#include <stdexcept>
#include <string>

namespace tolvane::lha {

enum ResultCode : int {
    kOk = 0,
    kErrWarning = 0x8000,          // some entries were skipped
    kErrCommand = 0x8010,          // the command text could not be understood
    kErrNoArchive = 0x8011,        // the archive cannot be opened
    kErrNoMatchingFiles = 0x8012,  // nothing to pack or nothing matched
    kErrBadHeader = 0x8020,        // a damaged or truncated header
    kErrBadData = 0x8021,          // a damaged compressed body
    kErrCrc = 0x8022,              // a body whose CRC does not match
    kErrUnsupportedMethod = 0x8023,
    kErrUnsafeName = 0x8030,    // an entry name that would leave the target folder
    kErrNameEncoding = 0x8031,  // a name that has no form in the other encoding
    kErrRead = 0x8040,
    kErrWrite = 0x8041,
    kErrNotSupported = 0x8017,
};

class LhaError : public std::runtime_error {
  public:
    LhaError(ResultCode code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    ResultCode Code() const { return code_; }

  private:
    ResultCode code_;
};

}  // namespace tolvane::lha
