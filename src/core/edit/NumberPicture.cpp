#include "edit/NumberPicture.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "text/Cp932.h"

namespace tolvane {
namespace {

struct Piece {
    enum Kind { Digit, Point, Literal } kind;
    char placeholder;     // '0' or '#' for a digit
    std::string literal;  // for a literal
};

struct Picture {
    std::vector<Piece> pieces;
    int wholeDigits = 0;     // placeholders before the point
    int requiredWhole = 0;   // from the first "0" before the point on
    int fractionDigits = 0;  // placeholders after the point
    int requiredFraction = 0;
    bool thousands = false;
};

Picture ReadPicture(std::string_view text) {
    Picture p;
    bool afterPoint = false;
    int firstZero = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '0' || c == '#') {
            p.pieces.push_back({Piece::Digit, c, {}});
            if (afterPoint) {
                ++p.fractionDigits;
                if (c == '0') p.requiredFraction = p.fractionDigits;
            } else {
                if (c == '0' && firstZero < 0) firstZero = p.wholeDigits;
                ++p.wholeDigits;
            }
        } else if (c == '.' && !afterPoint) {
            p.pieces.push_back({Piece::Point, 0, {}});
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            p.thousands = true;
        } else if (c == '"' || c == '\'') {
            const std::size_t close = text.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            p.pieces.push_back({Piece::Literal, 0, std::string(text.substr(i + 1, end - i - 1))});
            i = end;
        } else {
            const std::size_t n = IsLeadByte(static_cast<unsigned char>(c)) ? 2 : 1;
            p.pieces.push_back({Piece::Literal, 0, std::string(text.substr(i, n))});
            i += n - 1;
        }
    }
    if (firstZero >= 0) p.requiredWhole = p.wholeDigits - firstZero;
    return p;
}

// The whole and fraction digits of |value| rounded half away from zero at
// `fractionDigits` places, from its 15 significant decimal digits (so 2.5
// gives 3 and 1.005 gives 1.01, as a person reads them).
std::pair<std::string, std::string> DecimalDigits(double value, int fractionDigits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    const std::string text(buf);
    std::string digits = text.substr(0, 1) + text.substr(2, 14);
    const int exponent = std::stoi(text.substr(text.find('e') + 1));
    // digits[i] has the weight 10^(exponent - i); keep those down to 10^-fractionDigits.
    int keep = exponent + 1 + fractionDigits;
    if (keep < 0) return {"0", std::string(static_cast<std::size_t>(fractionDigits), '0')};
    bool carry =
        keep < static_cast<int>(digits.size()) && digits[static_cast<std::size_t>(keep)] >= '5';
    if (keep < static_cast<int>(digits.size())) digits.resize(static_cast<std::size_t>(keep));
    digits.append(static_cast<std::size_t>(keep) - digits.size(), '0');
    for (int i = keep - 1; carry && i >= 0; --i) {
        char& d = digits[static_cast<std::size_t>(i)];
        carry = d == '9';
        d = carry ? '0' : static_cast<char>(d + 1);
    }
    int wholeCount = exponent + 1;
    if (carry) digits.insert(digits.begin(), '1'), ++wholeCount;
    if (wholeCount <= 0) {
        digits.insert(0, static_cast<std::size_t>(1 - wholeCount), '0');
        wholeCount = 1;
    }
    const auto split = static_cast<std::size_t>(wholeCount);
    return {digits.substr(0, split), digits.substr(split)};
}

}  // namespace

std::string FormatNumberPicture(double value, std::string_view pictureText) {
    const Picture pic = ReadPicture(pictureText);
    if (!std::isfinite(value) || std::fabs(value) >= 1e18) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15G", value);
        return buf;
    }
    const auto digits = DecimalDigits(value, pic.fractionDigits);
    std::string whole = digits.first;
    std::string fraction = digits.second;
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    while (static_cast<int>(fraction.size()) > pic.requiredFraction && !fraction.empty() &&
           fraction.back() == '0')
        fraction.pop_back();
    if (whole == "0") whole.clear();
    const bool zero = whole.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    const int width = std::max(static_cast<int>(whole.size()), pic.requiredWhole);
    whole.insert(0, static_cast<std::size_t>(width) - whole.size(), '0');

    std::string out = value < 0 && !zero ? "-" : "";
    int placeholder = 0;  // index among the whole-part placeholders
    int fractionAt = 0;
    bool afterPoint = false;
    auto emitWholeDigit = [&](int j) {
        out += whole[static_cast<std::size_t>(j)];
        const int left = width - 1 - j;
        if (pic.thousands && left > 0 && left % 3 == 0) out += ',';
    };
    for (const Piece& piece : pic.pieces) {
        if (piece.kind == Piece::Literal) {
            out += piece.literal;
        } else if (piece.kind == Piece::Point) {
            afterPoint = true;
            if (!fraction.empty()) out += '.';
        } else if (!afterPoint) {
            // The first placeholder also takes every digit the picture has no
            // room for.
            const int j = width - (pic.wholeDigits - placeholder);
            if (placeholder == 0)
                for (int k = 0; k < j; ++k) emitWholeDigit(k);
            if (j >= 0) emitWholeDigit(j);
            ++placeholder;
        } else {
            if (fractionAt < static_cast<int>(fraction.size()))
                out += fraction[static_cast<std::size_t>(fractionAt)];
            ++fractionAt;
        }
    }
    return out;
}

}  // namespace tolvane
