#include "settings/IniFile.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>

#include "fs/AtomicFile.h"
#include "settings/IniText.h"
#include "text/Cp932.h"

namespace tolvane {
namespace {

IniText Load(const std::string& fileName) {
    // A file that cannot be read (or named) reads as all defaults.
    std::string bytes;
    try {
        if (!ReadWholeFile(FsPath(fileName), bytes)) bytes.clear();
    } catch (const ECp932Error&) {
        bytes.clear();
    }
    return IniText(bytes);
}

// Decimal, or hexadecimal written "$1F" / "0x1F"; anything else is no number.
std::optional<int> ParseInteger(std::string_view s) {
    bool negative = !s.empty() && s.front() == '-';
    if (negative || (!s.empty() && s.front() == '+')) s.remove_prefix(1);
    int base = 10;
    if (!s.empty() && s.front() == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty()) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto value = Load(fileName_).Find(section, key);
    return value ? *value : std::string(defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    auto value = Load(fileName_).Find(section, key);
    if (!value) return defaultValue;
    return ParseInteger(*value).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return Load(fileName_).Find(section, key).has_value();
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    IniText text = Load(fileName_);
    text.Set(section, key, value);
    std::string path;
    try {
        path = FsPath(fileName_);
    } catch (const ECp932Error& e) {
        throw EFileWriteError(e.what());
    }
    WriteFileAtomically(path, text.Bytes(), 0600);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace tolvane
