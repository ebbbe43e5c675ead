#include "text/WidthConversion.h"

#include <array>
#include <cstdint>
#include <unordered_map>

#include "text/Cp932.h"
#include "text/MbcsText.h"

namespace tolvane {
namespace {

using Code = std::uint16_t;

// Full-width forms of the ASCII signs; digits and letters are computed.
constexpr std::array<std::pair<char, Code>, 33> kSigns{{
    {' ', 0x8140},  {'!', 0x8149},  {'"', 0x8168}, {'#', 0x8194}, {'$', 0x8190}, {'%', 0x8193},
    {'&', 0x8195},  {'\'', 0x8166}, {'(', 0x8169}, {')', 0x816A}, {'*', 0x8196}, {'+', 0x817B},
    {',', 0x8143},  {'-', 0x817C},  {'.', 0x8144}, {'/', 0x815E}, {':', 0x8146}, {';', 0x8147},
    {'<', 0x8183},  {'=', 0x8181},  {'>', 0x8184}, {'?', 0x8148}, {'@', 0x8197}, {'[', 0x816D},
    {'\\', 0x818F}, {']', 0x816E},  {'^', 0x814F}, {'_', 0x8151}, {'`', 0x8165}, {'{', 0x816F},
    {'|', 0x8162},  {'}', 0x8170},  {'~', 0x8150},
}};

// Half-width 0xA1..0xDF in order.
constexpr std::array<Code, 63> kKana{
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348,
    0x8383, 0x8385, 0x8387, 0x8362, 0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A,
    0x834C, 0x834E, 0x8350, 0x8352, 0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E, 0x8360,
    0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B, 0x836C, 0x836D, 0x836E, 0x8371, 0x8374,
    0x8377, 0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384, 0x8386, 0x8388, 0x8389,
    0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,
};

constexpr unsigned char kVoiced = 0xDE;
constexpr unsigned char kSemiVoiced = 0xDF;

bool TakesVoicedMark(unsigned char c) {
    return (c >= 0xB6 && c <= 0xC4) || (c >= 0xCA && c <= 0xCE);
}
bool TakesSemiVoicedMark(unsigned char c) { return c >= 0xCA && c <= 0xCE; }
bool HasSigns(WidthScope s) { return static_cast<int>(s) & 1; }
bool HasKana(WidthScope s) { return static_cast<int>(s) & 2; }

Code FullWidthOfAscii(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return static_cast<Code>(c + 0x821F);
    if (c >= 'a' && c <= 'z') return static_cast<Code>(c + 0x8220);
    for (const auto& [sign, code] : kSigns)
        if (static_cast<unsigned char>(sign) == c) return code;
    return 0;
}

void Put(std::string& out, Code code) {
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
}

// Reverse tables, built once from the forward ones so the two stay exact
// inverses. The value is one or two half-width bytes.
struct HalfWidthTables {
    std::unordered_map<Code, std::string> signs;
    std::unordered_map<Code, std::string> kana;
    HalfWidthTables() {
        for (unsigned char c = 0x20; c <= 0x7E; ++c)
            signs[FullWidthOfAscii(c)] = std::string(1, char(c));
        for (unsigned char c = 0xA1; c <= 0xDF; ++c) {
            const Code base = kKana[c - 0xA1];
            kana[base] = std::string(1, char(c));
            if (TakesVoicedMark(c)) kana[static_cast<Code>(base + 1)] = {char(c), char(kVoiced)};
            if (TakesSemiVoicedMark(c))
                kana[static_cast<Code>(base + 2)] = {char(c), char(kSemiVoiced)};
        }
    }
};

const HalfWidthTables& Tables() {
    static const HalfWidthTables tables;
    return tables;
}

bool IsDoubleByteAt(std::string_view t, std::size_t i) {
    return i + 1 < t.size() && IsLeadByte(static_cast<unsigned char>(t[i])) &&
           IsTrailByte(static_cast<unsigned char>(t[i + 1]));
}

Code CodeAt(std::string_view t, std::size_t i) {
    return static_cast<Code>(static_cast<unsigned char>(t[i]) << 8 |
                             static_cast<unsigned char>(t[i + 1]));
}

}  // namespace

std::string ToFullWidth(std::string_view text, WidthScope scope) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsDoubleByteAt(text, i)) {
            out.append(text.substr(i, 2));
            ++i;
        } else if (c >= 0x20 && c <= 0x7E && HasSigns(scope)) {
            Put(out, FullWidthOfAscii(c));
        } else if (c >= 0xA1 && c <= 0xDF && HasKana(scope)) {
            Code code = kKana[c - 0xA1];
            const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            if (next == kVoiced && TakesVoicedMark(c)) {
                code += 1;
                ++i;
            } else if (next == kSemiVoiced && TakesSemiVoicedMark(c)) {
                code += 2;
                ++i;
            }
            Put(out, code);
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string ToHalfWidth(std::string_view text, WidthScope scope) {
    const HalfWidthTables& tables = Tables();
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsDoubleByteAt(text, i)) {
            out += text[i];
            continue;
        }
        const Code code = CodeAt(text, i);
        const std::string* half = nullptr;
        if (HasSigns(scope)) {
            if (auto it = tables.signs.find(code); it != tables.signs.end()) half = &it->second;
        }
        if (half == nullptr && HasKana(scope)) {
            if (auto it = tables.kana.find(code); it != tables.kana.end()) half = &it->second;
        }
        if (half != nullptr)
            out += *half;
        else
            out.append(text.substr(i, 2));
        ++i;
    }
    return out;
}

std::string HiraganaToKatakana(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!IsDoubleByteAt(out, i)) continue;
        const Code code = CodeAt(out, i);
        // 0x829E is no character; starting there would make a byte pair
        // whose second byte is no trail byte.
        Code kata = 0;
        if (code >= 0x829F && code <= 0x82DD) kata = code + 0xA1;
        if (code >= 0x82DE && code <= 0x82F1) kata = code + 0xA2;
        if (kata != 0) {
            out[i] = static_cast<char>(kata >> 8);
            out[i + 1] = static_cast<char>(kata & 0xFF);
        }
        ++i;
    }
    return out;
}

}  // namespace tolvane
