#pragma once
// CP932 (Shift-JIS) byte strings are the system's inner text type. These are
// the only crossings to the outside: UTF-8 (file system, terminal) and QString
// (window).

#include <QString>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvane {

// Raised when a text cannot be expressed in the other encoding; the message
// names the text so the user can find the offending file or entry.
class ECp932Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// True for the first byte of a CP932 double-byte character.
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::string Cp932ToUtf8(std::string_view cp932);  // throws ECp932Error
std::string Utf8ToCp932(std::string_view utf8);   // throws ECp932Error

QString Cp932ToQString(std::string_view cp932);  // throws ECp932Error
// For showing outside text (server replies): undecodable bytes become U+FFFD.
QString Cp932ToQStringLenient(std::string_view cp932);
// For messages about outside text: "?" for each character with no CP932 form.
std::string QStringToCp932Lenient(const QString& text);
std::string QStringToCp932(const QString& text);  // throws ECp932Error

// The file system name of a CP932 path text: UTF-8, with the "\" separators
// of the system's own texts mapped to "/" only after decoding, so the 0x5C
// trail byte of a double-byte character is never taken for a separator.
std::string FsPath(std::string_view cp932);

// A fixed text of the system, written in UTF-8 in the source, as CP932.
std::string Sj(std::string_view utf8);
QString FsQPath(std::string_view cp932);

}  // namespace tolvane
