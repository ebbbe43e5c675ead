#pragma once

#include <string>

namespace tolvane {

// The user ID names files (the package, its work file, the copy on the
// server), so it must be a plain file name. Empty when it is one; otherwise
// the warning to show (CP932).
std::string UserIdProblem(const std::string& user);

}  // namespace tolvane
