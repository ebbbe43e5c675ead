#pragma once
// The command text the library is driven by, e.g.
//   A -+ -x1 -r2 -gm1 "archive" "base\" ""
// a command letter, switches, the archive, an optional base folder (the
// argument ending in "\" or "/"), then file patterns.

#include <string>
#include <string_view>
#include <vector>

namespace tolvane::lha {

struct CommandText {
    char command = 0;        // lower case: a, u, e, x, l, v, t, d
    bool keepPaths = false;  // -x1
    int recurse = 0;         // -r1, -r2
    std::string method = "-lh5-";
    int logDetail = 0;                  // -l1, -l2
    std::string archive;                // CP932 path text
    std::string baseDir;                // CP932 path text, may be empty
    std::vector<std::string> patterns;  // CP932; none means every entry
};

// Throws LhaError(kErrCommand) for a text it cannot take.
CommandText ParseCommandText(std::string_view text);

// Splits on blanks; double quotes group and are dropped. No escapes: a "\"
// before a closing quote is a folder separator, not an escape.
std::vector<std::string> SplitArguments(std::string_view text);

}  // namespace tolvane::lha
