#include <string>
#include <string_view>

#include "edit/EditValue.h"
#include "edit/NumberPicture.h"
#include "text/Cp932.h"

namespace tolvane {
namespace {
bool IsGroupChar(char c) { return c == '#' || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string PatternFormat(std::string_view text, std::string_view picture) {
    std::string out;
    std::size_t t = 0;
    for (std::size_t p = 0; p < picture.size();) {
        if (!IsGroupChar(picture[p])) {
            const std::size_t n = IsLeadByte(static_cast<unsigned char>(picture[p])) ? 2 : 1;
            out.append(picture.substr(p, n));
            p += n;
            continue;
        }
        const std::size_t groupStart = p;
        while (p < picture.size() && IsGroupChar(picture[p])) ++p;
        const std::string_view group = picture.substr(groupStart, p - groupStart);

        // A run cut short by the group goes on into the next group.
        while (t < text.size() && !IsDigit(text[t])) ++t;
        double number = 0;
        for (std::size_t taken = 0; t < text.size() && IsDigit(text[t]) && taken < group.size();
             ++t, ++taken)
            number = number * 10 + (text[t] - '0');
        out += FormatNumberPicture(number, group);
    }
    return out;
}

}  // namespace tolvane
