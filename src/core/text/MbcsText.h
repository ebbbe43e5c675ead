#pragma once
// Shift-JIS aware helpers on CP932 byte strings. Positions are 1-based byte
// positions, lengths are bytes; no helper ever splits a double-byte character
// or reads past the end of its text, also when the text ends in a lone lead
// byte.

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

enum class MbcsByteType { Single, Lead, Trail };

// The second byte of a CP932 double-byte character, as the width conversions
// test it.
constexpr bool IsTrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// The type of every byte of the text, classified from its start: a lead byte
// makes the next byte a trail byte whatever its value.
std::vector<MbcsByteType> ClassifyBytes(std::string_view text);

// Position of the first occurrence of the needle that starts and ends on the
// same kind of byte as the needle does (so "g" never matches the second byte
// of "Ｈ"), or 0. An occurrence that would cut a character in two is skipped.
std::size_t MbcsPos(std::string_view needle, std::string_view text);

// Mode empty, or holding "L"/"l" and/or "R"/"r": drops leading and/or
// trailing spaces, the full-width space 0x81 0x40 included.
std::string TrimSpaces(std::string_view text, std::string_view mode);

std::string DropDoubleByte(std::string_view text);   // double-byte characters removed
std::string BlankDoubleByte(std::string_view text);  // each byte of them becomes a space
std::string RemoveAll(std::string_view needle, std::string_view text);

// The sign (when a "-" occurs anywhere), the digits and the first point of a
// number text; "0" when nothing of a number is left.
std::string CleanNumberText(std::string_view text);

}  // namespace tolvane
