#pragma once
// Plain iconv conversion between two named encodings, free of Qt so that the
// archiver library can share it.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvane {

class EIconvError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Throws EIconvError when `in` has a sequence that `to` cannot express or
// `from` does not allow.
std::string IconvConvert(const char* from, const char* to, std::string_view in);

}  // namespace tolvane
