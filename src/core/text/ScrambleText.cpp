#include "text/ScrambleText.h"

#include <cstdint>

namespace tolvane {
namespace {

constexpr std::string_view kPrefix = "$$";
constexpr std::size_t kGroupDigits = 5;

// Only "1".."9" and upper-case "A".."F" carry a value; anything else, and a
// position past the end, counts as 0.
std::uint32_t DigitValue(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) return 0;
    char c = s[pos];
    if (c >= '1' && c <= '9') return static_cast<std::uint32_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint32_t>(c - 'A' + 10);
    return 0;
}

}  // namespace

std::string ScrambleText(std::string_view plain) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out(kPrefix);
    out.reserve(kPrefix.size() + (plain.size() + 1) / 2 * kGroupDigits);
    for (std::size_t i = 0; i < plain.size(); i += 2) {
        std::uint32_t lo = static_cast<unsigned char>(plain[i]);
        std::uint32_t hi = i + 1 < plain.size() ? static_cast<unsigned char>(plain[i + 1]) : 0;
        std::uint32_t v = (lo + 256 * hi) * 8;
        for (int shift = 16; shift >= 0; shift -= 4) out += kHex[(v >> shift) & 0xF];
    }
    return out;
}

std::string UnscrambleText(std::string_view s) {
    if (s.substr(0, kPrefix.size()) != kPrefix) return std::string(s);
    std::string out;
    out.reserve((s.size() / kGroupDigits + 1) * 2);
    for (std::size_t p = kPrefix.size(); p < s.size(); p += kGroupDigits) {
        std::uint32_t a = 0;
        for (std::size_t d = 0; d < kGroupDigits; ++d) a = a * 16 + DigitValue(s, p + d);
        std::uint32_t v = a >> 3;
        out += static_cast<char>((v - (v >> 16)) & 0xFF);
        out += static_cast<char>((v >> 8) & 0xFF);
    }
    return out;
}

}  // namespace tolvane
