#include "CommandText.h"

#include "LhaError.h"

namespace tolvane::lha {
namespace {

[[noreturn]] void Refuse(const std::string& why) { throw LhaError(kErrCommand, why); }

bool EndsWithSeparator(const std::string& s) {
    return !s.empty() && (s.back() == '\\' || s.back() == '/');
}

// Switches the library understands, and those it accepts with no effect here
// (dialogs, attributes and checks a desktop archiver offers).
void ApplySwitch(CommandText& c, const std::string& sw) {
    const std::string s = sw.substr(1);
    if (s == "+" || s.empty()) return;
    if (s == "x1")
        c.keepPaths = true;
    else if (s == "x" || s == "x0")
        c.keepPaths = false;
    else if (s == "r1")
        c.recurse = 1;
    else if (s == "r2" || s == "r")
        c.recurse = 2;
    else if (s == "r0")
        c.recurse = 0;
    else if (s == "jm0" || s == "z")
        c.method = "-lh0-";
    else if (s == "jm2" || s == "o5")
        c.method = "-lh5-";
    else if (s == "jm3" || s == "o6")
        c.method = "-lh6-";
    else if (s == "jm4" || s == "o7")
        c.method = "-lh7-";
    else if (s == "jm1")
        Refuse("method -lh1- cannot be written here");
    else if (s == "l0" || s == "l")
        c.logDetail = 0;
    else if (s == "l1")
        c.logDetail = 1;
    else if (s == "l2")
        c.logDetail = 2;
    else if (s.rfind("jy", 0) == 0 || s.rfind("w", 0) == 0)
        return;
    else {
        static const char* const kAccepted[] = {
            "a1", "e1",  "f1",  "p1",  "p2",  "jf0", "ji1", "c1",  "i1",  "i2", "u0", "u1",
            "u2", "jw1", "jw2", "gw1", "gw2", "n1",  "s1",  "gm1", "gn2", "m1", "m2", "jp"};
        for (const char* a : kAccepted) {
            if (s == a) return;
        }
        Refuse("unknown switch " + sw);
    }
}

}  // namespace

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> args;
    std::string cur;
    bool inQuotes = false, any = false;
    for (char ch : text) {
        if (ch == '"') {
            inQuotes = !inQuotes;
            any = true;
            continue;
        }
        if (!inQuotes && (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n')) {
            if (any) args.push_back(cur);
            cur.clear();
            any = false;
            continue;
        }
        cur += ch;
        any = true;
    }
    if (inQuotes) Refuse("unbalanced quotes");
    if (any) args.push_back(cur);
    return args;
}

CommandText ParseCommandText(std::string_view text) {
    const std::vector<std::string> args = SplitArguments(text);
    if (args.empty()) Refuse("empty command");
    CommandText c;
    const std::string& verb = args[0];
    if (verb.size() != 1) Refuse("unknown command " + verb);
    c.command = static_cast<char>(verb[0] | 0x20);
    static const std::string kCommands = "auexlvtd";
    if (kCommands.find(c.command) == std::string::npos)
        Refuse("command " + verb + " is not available");
    if (c.command == 'x') c.keepPaths = true;
    bool haveArchive = false, haveBase = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!a.empty() && a[0] == '-') {
            ApplySwitch(c, a);
            if (c.command == 'x') c.keepPaths = true;
            continue;
        }
        if (!haveArchive) {
            if (a.empty()) Refuse("no archive named");
            c.archive = a;
            haveArchive = true;
        } else if (!haveBase && EndsWithSeparator(a)) {
            c.baseDir = a;
            haveBase = true;
        } else if (!a.empty()) {
            c.patterns.push_back(a);
        }
    }
    if (!haveArchive) Refuse("no archive named");
    return c;
}

}  // namespace tolvane::lha
