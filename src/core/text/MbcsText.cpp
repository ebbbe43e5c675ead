#include "text/MbcsText.h"

#include "text/Cp932.h"

namespace tolvane {

std::vector<MbcsByteType> ClassifyBytes(std::string_view text) {
    std::vector<MbcsByteType> types(text.size(), MbcsByteType::Single);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsLeadByte(static_cast<unsigned char>(text[i]))) continue;
        types[i] = MbcsByteType::Lead;
        if (i + 1 < text.size()) types[++i] = MbcsByteType::Trail;
    }
    return types;
}

std::size_t MbcsPos(std::string_view needle, std::string_view text) {
    if (needle.empty() || text.empty()) return 0;
    const std::vector<MbcsByteType> inText = ClassifyBytes(text);
    const std::vector<MbcsByteType> inNeedle = ClassifyBytes(needle);
    // Past the end the text reads as if a space followed it.
    auto typeAt = [&](std::size_t i) {
        return i < inText.size() ? inText[i] : MbcsByteType::Single;
    };
    for (std::size_t at = text.find(needle); at != std::string_view::npos;
         at = text.find(needle, at + 1)) {
        const std::size_t last = at + needle.size() - 1;
        if (typeAt(at) != inNeedle.front() || typeAt(last) != inNeedle.back()) continue;
        if (typeAt(last + 1) == MbcsByteType::Trail) continue;
        return at + 1;
    }
    return 0;
}

namespace {

bool StartsWithSpace(std::string_view t, std::size_t& width) {
    if (!t.empty() && t[0] == ' ') return width = 1, true;
    if (t.size() >= 2 && t[0] == '\x81' && t[1] == '\x40') return width = 2, true;
    return false;
}

std::string TrimTrailing(std::string_view text) {
    const std::vector<MbcsByteType> types = ClassifyBytes(text);
    std::size_t end = text.size();
    while (end > 0) {
        if (text[end - 1] == ' ' && types[end - 1] == MbcsByteType::Single) {
            --end;
        } else if (end >= 2 && types[end - 2] == MbcsByteType::Lead && text[end - 2] == '\x81' &&
                   text[end - 1] == '\x40') {
            end -= 2;
        } else {
            break;
        }
    }
    return std::string(text.substr(0, end));
}

bool HasMode(std::string_view mode, char upper) {
    return mode.empty() || mode.find(upper) != std::string_view::npos ||
           mode.find(static_cast<char>(upper - 'A' + 'a')) != std::string_view::npos;
}

}  // namespace

std::string TrimSpaces(std::string_view text, std::string_view mode) {
    if (HasMode(mode, 'L')) {
        std::size_t width = 0;
        while (StartsWithSpace(text, width)) text.remove_prefix(width);
    }
    if (HasMode(mode, 'R')) return TrimTrailing(text);
    return std::string(text);
}

std::string DropDoubleByte(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(text[i])))
            ++i;
        else
            out += text[i];
    }
    return out;
}

std::string BlankDoubleByte(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!IsLeadByte(static_cast<unsigned char>(out[i]))) continue;
        out[i] = ' ';
        if (i + 1 < out.size()) out[++i] = ' ';
    }
    return out;
}

std::string RemoveAll(std::string_view needle, std::string_view text) {
    std::string out(text);
    for (std::size_t at = MbcsPos(needle, out); at != 0; at = MbcsPos(needle, out))
        out.erase(at - 1, needle.size());
    return out;
}

std::string CleanNumberText(std::string_view text) {
    const std::string blanked = BlankDoubleByte(text);
    std::string out = MbcsPos("-", blanked) != 0 ? "-" : "";
    bool point = false;
    for (char c : blanked) {
        if (c >= '0' && c <= '9') {
            out += c;
        } else if (c == '.' && !point) {
            out += c;
            point = true;
        }
    }
    if (out.empty() || out == "-") return "0";
    return out;
}

}  // namespace tolvane
