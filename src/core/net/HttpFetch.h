#pragma once
// The HTTP fetch of the download step: GET the URL into the target file with
// the agent "Quorvik", the host's event loop served throughout, the byte
// count shown as it grows.

#include <chrono>
#include <stdexcept>
#include <string>

#include "package/StepContext.h"

namespace tolvane {

class EHttpError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct HttpTimeouts {
    std::chrono::seconds Connect{30};
    std::chrono::seconds Stall{30};  // no byte for this long ends the fetch
};

// A status of 400 or more, a connection that breaks or a body shorter than
// announced raises EHttpError, and the partial target is removed: a package
// is never taken from a failed fetch. A stop (the abort flag) ends the fetch
// at once and returns; the partial target stays for the clean-up step.
void FetchUrlToFile(StepContext& ctx, const std::string& url, const std::string& target,
                    const HttpTimeouts& timeouts = {});

}  // namespace tolvane
