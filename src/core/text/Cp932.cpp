#include "text/Cp932.h"

#include <algorithm>

#include "text/IconvConvert.h"

namespace tolvane {
namespace {

std::string Convert(const char* from, const char* to, std::string_view in) {
    try {
        return IconvConvert(from, to, in);
    } catch (const EIconvError& e) {
        throw ECp932Error(e.what());
    }
}

std::string Quoted(std::string_view utf8) { return "\"" + std::string(utf8) + "\""; }

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    try {
        return Convert("CP932", "UTF-8", cp932);
    } catch (const ECp932Error&) {
        // Show the name with undecodable bytes replaced, so it can still be found.
        std::string shown;
        for (unsigned char c : cp932) shown += (c < 0x80 && c >= 0x20) ? static_cast<char>(c) : '?';
        throw ECp932Error("not a valid Shift-JIS text: " + Quoted(shown));
    }
}

std::string Utf8ToCp932(std::string_view utf8) {
    try {
        return Convert("UTF-8", "CP932", utf8);
    } catch (const ECp932Error&) {
        throw ECp932Error("cannot be written in Shift-JIS: " + Quoted(utf8));
    }
}

QString Cp932ToQString(std::string_view cp932) {
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

QString Cp932ToQStringLenient(std::string_view cp932) {
    try {
        return Cp932ToQString(cp932);
    } catch (const ECp932Error&) {
    }
    QString out;
    for (std::size_t i = 0; i < cp932.size();) {
        std::size_t n = IsLeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
        n = std::min(n, cp932.size() - i);
        try {
            out += QString::fromStdString(Convert("CP932", "UTF-8", cp932.substr(i, n)));
        } catch (const ECp932Error&) {
            out += QChar(0xFFFD);
        }
        i += n;
    }
    return out;
}

std::string QStringToCp932Lenient(const QString& text) {
    try {
        return QStringToCp932(text);
    } catch (const ECp932Error&) {
    }
    std::string out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        try {
            out += QStringToCp932(text.mid(i, n));
        } catch (const ECp932Error&) {
            out += '?';
        }
        i += n - 1;
    }
    return out;
}

std::string QStringToCp932(const QString& text) { return Utf8ToCp932(text.toStdString()); }

std::string FsPath(std::string_view cp932) {
    std::string path = Cp932ToUtf8(cp932);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string Sj(std::string_view utf8) { return Utf8ToCp932(utf8); }

QString FsQPath(std::string_view cp932) { return QString::fromStdString(FsPath(cp932)); }

}  // namespace tolvane
