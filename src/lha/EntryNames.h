#pragma once
// Names between the archive (CP932 components) and the file system (UTF-8),
// and the rules that keep an extracted entry inside its target folder.

#include <string>
#include <vector>

#include "LhaHeader.h"

namespace tolvane::lha {

// A CP932 path text as a file system path: UTF-8, "\" separators mapped to
// "/" after decoding. Throws LhaError(kErrNameEncoding).
std::string FsPathOf(const std::string& cp932);

// The entry's components as UTF-8 names that stay inside the target folder.
// Throws kErrUnsafeName (absolute, "..", drive letters, links, control
// characters, no name) or kErrNameEncoding, naming the entry.
std::vector<std::string> SafeComponents(const LhaEntry& entry);

// A file system name as CP932. Throws kErrNameEncoding naming it.
std::string Cp932Name(const std::string& utf8);

// For reply lines: CP932 text of any UTF-8 text, "?" where it has none.
std::string Cp932Shown(const std::string& utf8);

// Does the entry's name match one of the patterns (none: every entry)?
bool MatchesPatterns(const std::vector<std::string>& patterns, const std::string& displayName);

}  // namespace tolvane::lha
