#include "EntryNames.h"

#include <fnmatch.h>

#include <algorithm>

#include "LhaError.h"
#include "text/IconvConvert.h"

namespace tolvane::lha {
namespace {

std::string Printable(const std::string& cp932) {
    try {
        return IconvConvert("CP932", "UTF-8", cp932);
    } catch (const EIconvError&) {
        std::string s;
        for (unsigned char c : cp932) s += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
        return s;
    }
}

[[noreturn]] void Unsafe(const LhaEntry& e, const char* why) {
    throw LhaError(kErrUnsafeName, "refused \"" + e.DisplayName() + "\": " + why);
}

}  // namespace

std::string FsPathOf(const std::string& cp932) {
    std::string utf8;
    try {
        utf8 = IconvConvert("CP932", "UTF-8", cp932);
    } catch (const EIconvError&) {
        throw LhaError(kErrNameEncoding, "not a Shift-JIS path: \"" + Printable(cp932) + "\"");
    }
    std::replace(utf8.begin(), utf8.end(), '\\', '/');
    return utf8;
}

std::vector<std::string> SafeComponents(const LhaEntry& e) {
    if (e.absolute) Unsafe(e, "absolute path");
    if (e.IsSymlink()) Unsafe(e, "symbolic link");
    std::vector<std::string> out;
    for (std::size_t i = 0; i < e.components.size(); ++i) {
        const std::string& c = e.components[i];
        if (c == ".") continue;
        if (c == "..") Unsafe(e, "parent folder");
        if (i == 0 && c.size() >= 2 && c[1] == ':') Unsafe(e, "drive letter");
        for (unsigned char ch : c) {
            if (ch < 0x20 || ch == 0x7F) Unsafe(e, "control character");
        }
        std::string utf8;
        try {
            utf8 = IconvConvert("CP932", "UTF-8", c);
        } catch (const EIconvError&) {
            throw LhaError(kErrNameEncoding, "name is not Shift-JIS: \"" + e.DisplayName() + "\"");
        }
        if (utf8.find('/') != std::string::npos) Unsafe(e, "separator in a name");
        out.push_back(utf8);
    }
    if (out.empty() && !e.IsDirectory()) Unsafe(e, "no name");
    return out;
}

std::string Cp932Name(const std::string& utf8) {
    try {
        return IconvConvert("UTF-8", "CP932", utf8);
    } catch (const EIconvError&) {
        throw LhaError(kErrNameEncoding, "cannot be written in Shift-JIS: \"" + utf8 + "\"");
    }
}

std::string Cp932Shown(const std::string& utf8) {
    try {
        return IconvConvert("UTF-8", "CP932", utf8);
    } catch (const EIconvError&) {
        std::string s;
        for (unsigned char c : utf8) s += c < 0x80 ? static_cast<char>(c) : '?';
        return s;
    }
}

bool MatchesPatterns(const std::vector<std::string>& patterns, const std::string& name) {
    if (patterns.empty()) return true;
    const std::size_t slash = name.rfind('/');
    const std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
    for (const std::string& raw : patterns) {
        bool absolute = false;
        std::string p;
        for (const std::string& part : SplitStoredName(raw, &absolute))
            p += (p.empty() ? "" : "/") + part;
        if (p == "*" || p == "*.*") return true;
        if (fnmatch(p.c_str(), name.c_str(), FNM_NOESCAPE) == 0) return true;
        if (fnmatch(p.c_str(), base.c_str(), FNM_NOESCAPE) == 0) return true;
    }
    return false;
}

}  // namespace tolvane::lha
