#pragma once

#include <string>

namespace tolvane {

// True when `destination` names an existing, writable folder other than the
// program folder with no "check.$$$" in it yet. Found by writing a probe file
// into the program folder first, so the program folder itself answers false.
// Never throws.
bool IsLanFolder(const std::string& destination, const std::string& programFolder,
                 const std::string& probeContent);

}  // namespace tolvane
